bmpBackground: a_book


sound: voice\g_book
sound: voice\g_bookMap

:ActiveArea
strName: story
strProc: SndProc
strParam: voice\g_book 2 a_start
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: onward
strProc: AdvProc
strParam: a_home
bForceUpdate: 0
Point: 432,300
Point: 468,288
Point: 500,318
Point: 468,348
Point: 432,336
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_start
bForceUpdate: 0
Point: 128,314
Point: 172,314
Point: 172,354
Point: 128,354
:End

:ActiveArea
strName: map
strProc: AdvProc
strParam: !M
bForceUpdate: 0
Point: 430,78
Point: 530,78
Point: 530,118
Point: 430,118
:End

:ActiveArea
strName: maphint
strProc: SndProc
strParam: voice\g_bookMap 1
bForceUpdate: 0
Point: 430,78
Point: 530,78
Point: 530,118
Point: 430,118
:End

