bmpBackground: 



:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 574,14
Point: 625,14
Point: 625,65
Point: 574,65
:End

