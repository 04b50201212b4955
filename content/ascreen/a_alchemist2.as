bmpBackground: a_alchemist2

cannerLoop: alchemist-kociol

sound: can\mov-alchemist

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-alchemist 0
bForceUpdate: 0
Point: 246,240
Point: 356,240
Point: 356,452
Point: 246,452
:End

:ActiveArea
strName: game0
strProc: AdvProc
strParam: !0
bForceUpdate: 0
Point: 498,70
Point: 622,70
Point: 622,194
Point: 498,194
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_alchemist
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

