bmpBackground: a_astronomer

cannerLoop: astronomer-gwiazdy

sound: voice\g_hill

:ActiveArea
strName: greeting
strProc: SndProc
strParam: voice\g_hill 2 a_cross3
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: door
strProc: AdvProc
strParam: a_astronomer2
bForceUpdate: 0
Point: 418,292
Point: 418,242
Point: 426,228
Point: 440,221
Point: 454,228
Point: 462,242
Point: 462,292
:End

:ActiveArea
strName: mapscrap
strProc: AdvProc
strParam: @14
bForceUpdate: 0
Point: 174,406
Point: 202,406
Point: 202,430
Point: 174,430
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_cross3
bForceUpdate: 0
Point: 266,410
Point: 314,410
Point: 314,454
Point: 266,454
:End

