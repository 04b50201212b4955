bmpBackground: bkg
cannerLoop: water
sound: click1

:ActiveArea
strName: door
strProc: AdvProc
strParam: a_home
bForceUpdate: 1
Point: 10,10
Point: 50,10
Point: 50,50
:End
:BmpSprite
strAnimName: anim
bColorKey: 1
Pos: 5,6
:End
