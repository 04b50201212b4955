bmpBackground: a_cook2

cannerLoop: cook-para

sound: can\mov-cook

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-cook 0
bForceUpdate: 0
Point: 360,236
Point: 480,236
Point: 480,456
Point: 360,456
:End

:ActiveArea
strName: game3
strProc: AdvProc
strParam: !3
bForceUpdate: 0
Point: 134,72
Point: 258,72
Point: 258,196
Point: 134,196
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_cook
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

