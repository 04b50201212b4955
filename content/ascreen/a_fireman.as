bmpBackground: ext\street


sound: voice\g_hiFireman

:BmpSprite
strName: house
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: ext\fireman
bColorKey: 1
Pos: 190,156
:End

:ActiveArea
strName: greeting
strProc: SndProc
strParam: voice\g_hiFireman 2 a_cross1
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: character
strProc: SndProc
strParam: voice\g_hiFireman 0
bForceUpdate: 0
Point: 412,252
Point: 480,252
Point: 480,362
Point: 412,362
:End

:ActiveArea
strName: door
strProc: AdvProc
strParam: a_fireman2
bForceUpdate: 0
Point: 282,266
Point: 358,266
Point: 358,354
Point: 282,354
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_cross1
bForceUpdate: 0
Point: 64,410
Point: 120,410
Point: 120,460
Point: 64,460
:End

