bmpBackground: a_gardener2


sound: can\mov-gardener

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-gardener 0
bForceUpdate: 0
Point: 160,220
Point: 280,220
Point: 280,440
Point: 160,440
:End

:ActiveArea
strName: game6
strProc: AdvProc
strParam: !6
bForceUpdate: 0
Point: 472,48
Point: 592,48
Point: 592,168
Point: 472,168
:End

:ActiveArea
strName: mapscrap
strProc: AdvProc
strParam: @15
bForceUpdate: 0
Point: 543,445
Point: 577,445
Point: 577,473
Point: 543,473
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_gardener
bForceUpdate: 0
Point: 24,216
Point: 104,216
Point: 104,342
Point: 24,342
:End

