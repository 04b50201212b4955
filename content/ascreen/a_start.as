bmpBackground: a_start


sound: voice\g_welcome
sound: voice\g_play
sound: voice\g_games
sound: voice\g_exit

:ActiveArea
strName: greeting
strProc: SndProc
strParam: voice\g_welcome 0
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: start
strProc: AdvProc
strParam: a_book
bForceUpdate: 0
Point: 213,178
Point: 427,178
Point: 427,240
Point: 213,240
:End

:ActiveArea
strName: play
strProc: SndProc
strParam: voice\g_play 1
bForceUpdate: 0
Point: 213,178
Point: 427,178
Point: 427,240
Point: 213,240
:End

:ActiveArea
strName: games
strProc: AdvProc
strParam: a_games
bForceUpdate: 0
Point: 238,258
Point: 402,258
Point: 402,310
Point: 238,310
:End

:ActiveArea
strName: gameshint
strProc: SndProc
strParam: voice\g_games 1
bForceUpdate: 0
Point: 238,258
Point: 402,258
Point: 402,310
Point: 238,310
:End

:ActiveArea
strName: exit
strProc: AdvProc
strParam: a_exit01
bForceUpdate: 0
Point: 248,330
Point: 392,330
Point: 392,374
Point: 248,374
:End

:ActiveArea
strName: exithint
strProc: SndProc
strParam: voice\g_exit 1
bForceUpdate: 0
Point: 248,330
Point: 392,330
Point: 392,374
Point: 248,374
:End

