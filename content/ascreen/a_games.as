bmpBackground: a_games


sound: voice\g_chooseGame

:ActiveArea
strName: greeting
strProc: SndProc
strParam: voice\g_chooseGame 0
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: game0
strProc: AdvProc
strParam: !0
bForceUpdate: 0
Point: 55,80
Point: 135,80
Point: 135,168
Point: 55,168
:End

:ActiveArea
strName: game1
strProc: AdvProc
strParam: !1
bForceUpdate: 0
Point: 205,80
Point: 285,80
Point: 285,168
Point: 205,168
:End

:ActiveArea
strName: game2
strProc: AdvProc
strParam: !2
bForceUpdate: 0
Point: 355,80
Point: 435,80
Point: 435,168
Point: 355,168
:End

:ActiveArea
strName: game3
strProc: AdvProc
strParam: !3
bForceUpdate: 0
Point: 505,80
Point: 585,80
Point: 585,168
Point: 505,168
:End

:ActiveArea
strName: game4
strProc: AdvProc
strParam: !4
bForceUpdate: 0
Point: 55,168
Point: 135,168
Point: 135,256
Point: 55,256
:End

:ActiveArea
strName: game5
strProc: AdvProc
strParam: !5
bForceUpdate: 0
Point: 205,168
Point: 285,168
Point: 285,256
Point: 205,256
:End

:ActiveArea
strName: game6
strProc: AdvProc
strParam: !6
bForceUpdate: 0
Point: 355,168
Point: 435,168
Point: 435,256
Point: 355,256
:End

:ActiveArea
strName: game7
strProc: AdvProc
strParam: !7
bForceUpdate: 0
Point: 505,168
Point: 585,168
Point: 585,256
Point: 505,256
:End

:ActiveArea
strName: game8
strProc: AdvProc
strParam: !8
bForceUpdate: 0
Point: 55,256
Point: 135,256
Point: 135,344
Point: 55,344
:End

:ActiveArea
strName: game9
strProc: AdvProc
strParam: !9
bForceUpdate: 0
Point: 205,256
Point: 285,256
Point: 285,344
Point: 205,344
:End

:ActiveArea
strName: gameA
strProc: AdvProc
strParam: !A
bForceUpdate: 0
Point: 355,256
Point: 435,256
Point: 435,344
Point: 355,344
:End

:ActiveArea
strName: gameB
strProc: AdvProc
strParam: !B
bForceUpdate: 0
Point: 505,256
Point: 585,256
Point: 585,344
Point: 505,344
:End

:ActiveArea
strName: gameC
strProc: AdvProc
strParam: !C
bForceUpdate: 0
Point: 55,344
Point: 135,344
Point: 135,432
Point: 55,432
:End

:ActiveArea
strName: gameD
strProc: AdvProc
strParam: !D
bForceUpdate: 0
Point: 205,344
Point: 285,344
Point: 285,432
Point: 205,432
:End

:ActiveArea
strName: gameE
strProc: AdvProc
strParam: !E
bForceUpdate: 0
Point: 355,344
Point: 435,344
Point: 435,432
Point: 355,432
:End

:ActiveArea
strName: gameF
strProc: AdvProc
strParam: !F
bForceUpdate: 0
Point: 505,344
Point: 585,344
Point: 585,432
Point: 505,432
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_start
bForceUpdate: 0
Point: 20,14
Point: 68,14
Point: 68,58
Point: 20,58
:End

