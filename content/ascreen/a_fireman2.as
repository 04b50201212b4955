bmpBackground: a_fireman2

cannerLoop: fireman-syrena

sound: can\mov-fireman

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-fireman 0
bForceUpdate: 0
Point: 146,236
Point: 266,236
Point: 266,458
Point: 146,458
:End

:ActiveArea
strName: game5
strProc: AdvProc
strParam: !5
bForceUpdate: 0
Point: 510,70
Point: 622,70
Point: 622,182
Point: 510,182
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_fireman
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

