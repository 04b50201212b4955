bmpBackground: dlg\backdrop


sound: voice\g_info7
sound: voice\g_play
sound: voice\g_back

:BmpSprite
strName: icon
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: icons\g7
bColorKey: 1
Pos: 100,76
:End

:BmpSprite
strName: text
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\i_7
bColorKey: 1
Pos: 240,80
:End

:ActiveArea
strName: description
strProc: SndProc
strParam: voice\g_info7 0
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:BmpSprite
strName: play
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_play
bColorKey: 1
Pos: 202,262
:End

:ActiveArea
strName: play
strProc: DialogScreenHandler
strParam: 1
bForceUpdate: 0
Point: 208,268
Point: 432,268
Point: 432,342
Point: 208,342
:End

:ActiveArea
strName: playhint
strProc: SndProc
strParam: voice\g_play 1
bForceUpdate: 0
Point: 208,268
Point: 432,268
Point: 432,342
Point: 208,342
:End

:BmpSprite
strName: back
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_back
bColorKey: 1
Pos: 255,360
:End

:ActiveArea
strName: back
strProc: DialogScreenHandler
strParam: 9
bForceUpdate: 0
Point: 258,363
Point: 376,363
Point: 376,413
Point: 258,413
:End

:ActiveArea
strName: backhint
strProc: SndProc
strParam: voice\g_back 1
bForceUpdate: 0
Point: 258,363
Point: 376,363
Point: 376,413
Point: 258,413
:End

