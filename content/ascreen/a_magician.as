bmpBackground: ext\street


sound: voice\g_hiMagician

:BmpSprite
strName: house
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: ext\magician
bColorKey: 1
Pos: 190,106
:End

:ActiveArea
strName: greeting
strProc: SndProc
strParam: voice\g_hiMagician 2 a_cross2
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: character
strProc: SndProc
strParam: voice\g_hiMagician 0
bForceUpdate: 0
Point: 412,252
Point: 480,252
Point: 480,362
Point: 412,362
:End

:ActiveArea
strName: door
strProc: AdvProc
strParam: a_magician2
bForceUpdate: 0
Point: 300,284
Point: 340,284
Point: 340,354
Point: 300,354
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_cross2
bForceUpdate: 0
Point: 64,410
Point: 120,410
Point: 120,460
Point: 64,460
:End

