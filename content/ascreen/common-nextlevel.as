bmpBackground: dlg\backdrop


sound: voice\g_nextLevel
sound: voice\g_next
sound: voice\g_again

:BmpSprite
strName: question
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\q_next
bColorKey: 1
Pos: 100,96
:End

:ActiveArea
strName: question
strProc: SndProc
strParam: voice\g_nextLevel 0
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:BmpSprite
strName: next
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_next
bColorKey: 1
Pos: 110,290
:End

:ActiveArea
strName: next
strProc: DialogScreenHandler
strParam: 1
bForceUpdate: 0
Point: 116,296
Point: 314,296
Point: 314,362
Point: 116,362
:End

:ActiveArea
strName: nexthint
strProc: SndProc
strParam: voice\g_next 1
bForceUpdate: 0
Point: 116,296
Point: 314,296
Point: 314,362
Point: 116,362
:End

:BmpSprite
strName: again
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: dlg\b_again
bColorKey: 1
Pos: 330,290
:End

:ActiveArea
strName: again
strProc: DialogScreenHandler
strParam: 2
bForceUpdate: 0
Point: 336,296
Point: 534,296
Point: 534,362
Point: 336,362
:End

:ActiveArea
strName: againhint
strProc: SndProc
strParam: voice\g_again 1
bForceUpdate: 0
Point: 336,296
Point: 534,296
Point: 534,362
Point: 336,362
:End

