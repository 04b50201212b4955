bmpBackground: 



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

