bmpBackground: a_astronomer2

canner: astronomer2-teleskop

sound: can\mov-astronomer
sound: can\astronomer2-teleskop

:BmpSprite
strName: Astronomer
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: astronomer
bColorKey: 1
Pos: 220,178
:End

:AviSprite
strName: globe
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: globe
bColorKey: 1
Pos: 122,260
:End

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-astronomer 0
bForceUpdate: 0
Point: 244,232
Point: 350,232
Point: 350,452
Point: 244,452
:End

:ActiveArea
strName: game1
strProc: AdvProc
strParam: !1
bForceUpdate: 0
Point: 418,76
Point: 522,76
Point: 522,180
Point: 418,180
:End

:ActiveArea
strName: game2
strProc: AdvProc
strParam: !2
bForceUpdate: 0
Point: 530,76
Point: 634,76
Point: 634,180
Point: 530,180
:End

:ActiveArea
strName: telescope
strProc: CannerProc
strParam: astronomer2-teleskop
bForceUpdate: 0
Point: 360,330
Point: 420,214
Point: 520,192
Point: 560,200
Point: 470,300
Point: 480,420
Point: 380,420
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_astronomer
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

