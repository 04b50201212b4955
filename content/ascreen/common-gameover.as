bmpBackground: dlg\backdrop


sound: voice\g_gameOver
sound: voice\g_yes
sound: voice\g_no

:BmpSprite
strName: question
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\q_over
bColorKey: 1
Pos: 100,96
:End

:ActiveArea
strName: question
strProc: SndProc
strParam: voice\g_gameOver 0
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:BmpSprite
strName: yes
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_yes
bColorKey: 1
Pos: 130,290
:End

:ActiveArea
strName: yes
strProc: DialogScreenHandler
strParam: 1
bForceUpdate: 0
Point: 136,296
Point: 294,296
Point: 294,362
Point: 136,362
:End

:ActiveArea
strName: yeshint
strProc: SndProc
strParam: voice\g_yes 1
bForceUpdate: 0
Point: 136,296
Point: 294,296
Point: 294,362
Point: 136,362
:End

:BmpSprite
strName: no
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_no
bColorKey: 1
Pos: 340,290
:End

:ActiveArea
strName: no
strProc: DialogScreenHandler
strParam: 2
bForceUpdate: 0
Point: 346,296
Point: 504,296
Point: 504,362
Point: 346,362
:End

:ActiveArea
strName: nohint
strProc: SndProc
strParam: voice\g_no 1
bForceUpdate: 0
Point: 346,296
Point: 504,296
Point: 504,362
Point: 346,362
:End

