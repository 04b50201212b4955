bmpBackground: dlg\backdrop


sound: voice\g_exitQuestion
sound: voice\g_yes
sound: voice\g_no

:BmpSprite
strName: question
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\q_exit
bColorKey: 1
Pos: 100,90
:End

:BmpSprite
strName: yes
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_yesexit
bColorKey: 1
Pos: 130,300
:End

:BmpSprite
strName: no
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_noexit
bColorKey: 1
Pos: 340,300
:End

:ActiveArea
strName: question
strProc: SndProc
strParam: voice\g_exitQuestion 0
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: yes
strProc: AdvProc
strParam: #
bForceUpdate: 0
Point: 136,306
Point: 286,306
Point: 286,364
Point: 136,364
:End

:ActiveArea
strName: yeshint
strProc: SndProc
strParam: voice\g_yes 1
bForceUpdate: 0
Point: 136,306
Point: 286,306
Point: 286,364
Point: 136,364
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_start
bForceUpdate: 0
Point: 346,306
Point: 496,306
Point: 496,364
Point: 346,364
:End

:ActiveArea
strName: nohint
strProc: SndProc
strParam: voice\g_no 1
bForceUpdate: 0
Point: 346,306
Point: 496,306
Point: 496,364
Point: 346,364
:End

