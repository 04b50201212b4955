bmpBackground: a_plumber2

cannerLoop: plumber-kropla

sound: can\mov-plumber

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-plumber 0
bForceUpdate: 0
Point: 262,240
Point: 380,240
Point: 380,456
Point: 262,456
:End

:ActiveArea
strName: gameD
strProc: AdvProc
strParam: !D
bForceUpdate: 0
Point: 134,72
Point: 258,72
Point: 258,196
Point: 134,196
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_plumber
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

