bmpBackground: a_programmer2

cannerLoop: programmer-ekran

sound: can\mov-programmer

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-programmer 0
bForceUpdate: 0
Point: 232,240
Point: 350,240
Point: 350,456
Point: 232,456
:End

:ActiveArea
strName: gameE
strProc: AdvProc
strParam: !E
bForceUpdate: 0
Point: 468,72
Point: 592,72
Point: 592,196
Point: 468,196
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_programmer
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

