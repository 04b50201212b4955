bmpBackground: dlg\backdrop


sound: voice\g_winner

:BmpSprite
strName: text
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\q_win
bColorKey: 1
Pos: 100,80
:End

:ActiveArea
strName: praise
strProc: SndProc
strParam: voice\g_winner 0
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:BmpSprite
strName: hurra
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_hurra
bColorKey: 1
Pos: 215,290
:End

:ActiveArea
strName: hurra
strProc: DialogScreenHandler
strParam: 1
bForceUpdate: 0
Point: 221,296
Point: 419,296
Point: 419,362
Point: 221,362
:End

