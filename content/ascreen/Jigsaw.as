bmpBackground: 



:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 582,6
Point: 633,6
Point: 633,57
Point: 582,57
:End

