bmpBackground: a_engineer2

cannerLoop: engineer-kola

sound: can\mov-engineer

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-engineer 0
bForceUpdate: 0
Point: 262,236
Point: 380,236
Point: 380,456
Point: 262,456
:End

:ActiveArea
strName: game4
strProc: AdvProc
strParam: !4
bForceUpdate: 0
Point: 134,72
Point: 258,72
Point: 258,196
Point: 134,196
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_engineer
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

