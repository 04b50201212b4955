bmpBackground: 



:ActiveArea
strName: Help
strProc: SkyAreaProc
strParam: 
bForceUpdate: 0
Point: 35,30
Point: 94,30
Point: 94,89
Point: 35,89
:End

:ActiveArea
strName: Main
strProc: SkyAreaProc
strParam: 
bForceUpdate: 0
Point: 110,0
Point: 639,0
Point: 639,395
Point: 0,395
Point: 0,110
Point: 110,110
:End

:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 8,422
Point: 59,422
Point: 59,473
Point: 8,473
:End

