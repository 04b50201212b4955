bmpBackground: dlg\backdrop


sound: voice\g_difficulty
sound: voice\g_easy
sound: voice\g_medium
sound: voice\g_hard
sound: voice\g_back

:BmpSprite
strName: question
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\q_difficulty
bColorKey: 1
Pos: 100,70
:End

:ActiveArea
strName: question
strProc: SndProc
strParam: voice\g_difficulty 0
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:BmpSprite
strName: easy
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_easy
bColorKey: 1
Pos: 202,150
:End

:ActiveArea
strName: easy
strProc: DialogScreenHandler
strParam: 1
bForceUpdate: 0
Point: 208,156
Point: 432,156
Point: 432,222
Point: 208,222
:End

:ActiveArea
strName: easyhint
strProc: SndProc
strParam: voice\g_easy 1
bForceUpdate: 0
Point: 208,156
Point: 432,156
Point: 432,222
Point: 208,222
:End

:BmpSprite
strName: medium
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_medium
bColorKey: 1
Pos: 202,240
:End

:ActiveArea
strName: medium
strProc: DialogScreenHandler
strParam: 2
bForceUpdate: 0
Point: 208,246
Point: 432,246
Point: 432,312
Point: 208,312
:End

:ActiveArea
strName: mediumhint
strProc: SndProc
strParam: voice\g_medium 1
bForceUpdate: 0
Point: 208,246
Point: 432,246
Point: 432,312
Point: 208,312
:End

:BmpSprite
strName: hard
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_hard
bColorKey: 1
Pos: 202,330
:End

:ActiveArea
strName: hard
strProc: DialogScreenHandler
strParam: 3
bForceUpdate: 0
Point: 208,336
Point: 432,336
Point: 432,402
Point: 208,402
:End

:ActiveArea
strName: hardhint
strProc: SndProc
strParam: voice\g_hard 1
bForceUpdate: 0
Point: 208,336
Point: 432,336
Point: 432,402
Point: 208,402
:End

:BmpSprite
strName: back
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_back
bColorKey: 1
Pos: 80,346
:End

:ActiveArea
strName: back
strProc: DialogScreenHandler
strParam: 9
bForceUpdate: 0
Point: 83,349
Point: 201,349
Point: 201,399
Point: 83,399
:End

:ActiveArea
strName: backhint
strProc: SndProc
strParam: voice\g_back 1
bForceUpdate: 0
Point: 83,349
Point: 201,349
Point: 201,399
Point: 83,399
:End

