bmpBackground: 



:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 2,436
Point: 43,436
Point: 43,477
Point: 2,477
:End

