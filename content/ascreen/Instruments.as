bmpBackground: instruments\bkg

canner: instruments-bebny
canner: instruments-gitara
canner: instruments-harmonia
canner: instruments-kontrabas
canner: instruments-organy
canner: instruments-saksofon
canner: instruments-skrzypce
canner: instruments-traba


:ActiveArea
strName: bebny
strProc: InsCannerProc
strParam: 1
bForceUpdate: 0
Point: 24,122
Point: 165,122
Point: 165,253
Point: 24,253
:End

:ActiveArea
strName: gitara
strProc: InsCannerProc
strParam: 2
bForceUpdate: 0
Point: 137,304
Point: 254,304
Point: 254,448
Point: 137,448
:End

:ActiveArea
strName: harmonia
strProc: InsCannerProc
strParam: 3
bForceUpdate: 0
Point: 266,304
Point: 383,304
Point: 383,448
Point: 266,448
:End

:ActiveArea
strName: kontrabas
strProc: InsCannerProc
strParam: 4
bForceUpdate: 0
Point: 334,122
Point: 475,122
Point: 475,253
Point: 334,253
:End

:ActiveArea
strName: organy
strProc: InsCannerProc
strParam: 5
bForceUpdate: 0
Point: 179,122
Point: 320,122
Point: 320,253
Point: 179,253
:End

:ActiveArea
strName: saksofon
strProc: InsCannerProc
strParam: 6
bForceUpdate: 0
Point: 395,304
Point: 510,304
Point: 510,448
Point: 395,448
:End

:ActiveArea
strName: skrzypce
strProc: InsCannerProc
strParam: 7
bForceUpdate: 0
Point: 519,304
Point: 635,304
Point: 635,448
Point: 519,448
:End

:ActiveArea
strName: traba
strProc: InsCannerProc
strParam: 8
bForceUpdate: 0
Point: 484,122
Point: 625,122
Point: 625,253
Point: 484,253
:End

:ActiveArea
strName: quiz
strProc: GameAreaProc
strParam: quiz
bForceUpdate: 0
Point: 4,384
Point: 115,384
Point: 115,475
Point: 4,475
:End

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

