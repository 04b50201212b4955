bmpBackground: a_home

cannerLoop: home-komin

sound: voice\g_home

:ActiveArea
strName: greeting
strProc: SndProc
strParam: voice\g_home 2 a_book
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_book
bForceUpdate: 0
Point: 186,372
Point: 186,312
Point: 196,294
Point: 210,288
Point: 224,294
Point: 234,312
Point: 234,372
:End

:ActiveArea
strName: town
strProc: AdvProc
strParam: a_cross1
bForceUpdate: 0
Point: 454,236
Point: 630,236
Point: 630,270
Point: 454,270
:End

:ActiveArea
strName: mapscrap
strProc: AdvProc
strParam: @12
bForceUpdate: 0
Point: 106,434
Point: 142,434
Point: 142,462
Point: 106,462
:End

