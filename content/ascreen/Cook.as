bmpBackground: 



:BmpSprite
strName: cook
strProc: CookProc
strParam: 
bForceUpdate: 1
strAnimName: cook\cook
bColorKey: 1
Pos: 447,187
:End

:ActiveArea
strName: table1
strProc: PigProc
strParam: 1
bForceUpdate: 0
Point: 0,160
Point: 470,160
Point: 470,200
Point: 0,200
:End

:ActiveArea
strName: table2
strProc: PigProc
strParam: 2
bForceUpdate: 0
Point: 0,263
Point: 484,263
Point: 484,303
Point: 0,303
:End

:ActiveArea
strName: table3
strProc: PigProc
strParam: 3
bForceUpdate: 0
Point: 0,392
Point: 509,392
Point: 509,432
Point: 0,432
:End

:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 582,420
Point: 633,420
Point: 633,471
Point: 582,471
:End

