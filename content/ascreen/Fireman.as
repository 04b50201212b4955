bmpBackground: Fireman\bkg



:ActiveArea
strName: 1
strProc: FiremanWindowProc
strParam: 1
bForceUpdate: 0
Point: 170,39
Point: 228,39
Point: 228,103
Point: 170,103
:End

:ActiveArea
strName: 2
strProc: FiremanWindowProc
strParam: 2
bForceUpdate: 0
Point: 245,45
Point: 303,45
Point: 303,109
Point: 245,109
:End

:ActiveArea
strName: 3
strProc: FiremanWindowProc
strParam: 3
bForceUpdate: 0
Point: 316,50
Point: 374,50
Point: 374,114
Point: 316,114
:End

:ActiveArea
strName: 4
strProc: FiremanWindowProc
strParam: 4
bForceUpdate: 0
Point: 388,55
Point: 446,55
Point: 446,119
Point: 388,119
:End

:ActiveArea
strName: 5
strProc: FiremanWindowProc
strParam: 5
bForceUpdate: 0
Point: 172,198
Point: 230,198
Point: 230,262
Point: 172,262
:End

:ActiveArea
strName: 6
strProc: FiremanWindowProc
strParam: 6
bForceUpdate: 0
Point: 231,159
Point: 289,159
Point: 289,223
Point: 231,223
:End

:ActiveArea
strName: 7
strProc: FiremanWindowProc
strParam: 7
bForceUpdate: 0
Point: 319,164
Point: 377,164
Point: 377,228
Point: 319,228
:End

:ActiveArea
strName: 8
strProc: FiremanWindowProc
strParam: 8
bForceUpdate: 0
Point: 392,166
Point: 450,166
Point: 450,230
Point: 392,230
:End

:ActiveArea
strName: 9
strProc: FiremanWindowProc
strParam: 9
bForceUpdate: 0
Point: 168,322
Point: 226,322
Point: 226,386
Point: 168,386
:End

:ActiveArea
strName: 10
strProc: FiremanWindowProc
strParam: 10
bForceUpdate: 0
Point: 250,326
Point: 308,326
Point: 308,390
Point: 250,390
:End

:ActiveArea
strName: 11
strProc: FiremanWindowProc
strParam: 11
bForceUpdate: 0
Point: 330,322
Point: 388,322
Point: 388,386
Point: 330,386
:End

:ActiveArea
strName: 12
strProc: FiremanWindowProc
strParam: 12
bForceUpdate: 0
Point: 405,323
Point: 463,323
Point: 463,387
Point: 405,387
:End

:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 8,420
Point: 59,420
Point: 59,471
Point: 8,471
:End

