bmpBackground: a_painter2


sound: can\mov-painter

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-painter 0
bForceUpdate: 0
Point: 210,236
Point: 330,236
Point: 330,456
Point: 210,456
:End

:ActiveArea
strName: gameB
strProc: AdvProc
strParam: !B
bForceUpdate: 0
Point: 416,72
Point: 520,72
Point: 520,176
Point: 416,176
:End

:ActiveArea
strName: gameC
strProc: AdvProc
strParam: !C
bForceUpdate: 0
Point: 532,72
Point: 636,72
Point: 636,176
Point: 532,176
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_painter
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

