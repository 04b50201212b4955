bmpBackground: a_musician2


sound: can\mov-musician

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-musician 0
bForceUpdate: 0
Point: 262,240
Point: 380,240
Point: 380,458
Point: 262,458
:End

:ActiveArea
strName: game9
strProc: AdvProc
strParam: !9
bForceUpdate: 0
Point: 304,74
Point: 408,74
Point: 408,178
Point: 304,178
:End

:ActiveArea
strName: gameA
strProc: AdvProc
strParam: !A
bForceUpdate: 0
Point: 432,74
Point: 536,74
Point: 536,178
Point: 432,178
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_musician
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

