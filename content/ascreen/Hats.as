bmpBackground: 



:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 8,8
Point: 59,8
Point: 59,59
Point: 8,59
:End

