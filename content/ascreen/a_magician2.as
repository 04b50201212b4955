bmpBackground: a_magician2

cannerLoop: magician-krolik

sound: can\mov-magician

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-magician 0
bForceUpdate: 0
Point: 230,230
Point: 350,230
Point: 350,456
Point: 230,456
:End

:ActiveArea
strName: game7
strProc: AdvProc
strParam: !7
bForceUpdate: 0
Point: 418,72
Point: 522,72
Point: 522,176
Point: 418,176
:End

:ActiveArea
strName: game8
strProc: AdvProc
strParam: !8
bForceUpdate: 0
Point: 530,72
Point: 634,72
Point: 634,176
Point: 530,176
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_magician
bForceUpdate: 0
Point: 24,196
Point: 104,196
Point: 104,342
Point: 24,342
:End

