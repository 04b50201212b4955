bmpBackground: Pipe\bkg



:BmpSprite
strName: slot0
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 107,392
:End

:BmpSprite
strName: patch0
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch00
bColorKey: 1
Pos: 111,396
:End

:BmpSprite
strName: slot1
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 173,392
:End

:BmpSprite
strName: patch1
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch01
bColorKey: 1
Pos: 177,396
:End

:BmpSprite
strName: slot2
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 239,392
:End

:BmpSprite
strName: patch2
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch02
bColorKey: 1
Pos: 243,396
:End

:BmpSprite
strName: slot3
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 305,392
:End

:BmpSprite
strName: patch3
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch03
bColorKey: 1
Pos: 309,396
:End

:BmpSprite
strName: slot4
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 371,392
:End

:BmpSprite
strName: patch4
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch04
bColorKey: 1
Pos: 375,396
:End

:BmpSprite
strName: slot5
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 437,392
:End

:BmpSprite
strName: patch5
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch05
bColorKey: 1
Pos: 441,396
:End

:BmpSprite
strName: slot6
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 503,392
:End

:BmpSprite
strName: patch6
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch06
bColorKey: 1
Pos: 507,396
:End

:BmpSprite
strName: slot7
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 569,392
:End

:BmpSprite
strName: patch7
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch07
bColorKey: 1
Pos: 573,396
:End

:ActiveArea
strName: button0
strProc: PipeProc
strParam: 0
bForceUpdate: 0
Point: 107,392
Point: 166,392
Point: 166,451
Point: 107,451
:End

:ActiveArea
strName: button1
strProc: PipeProc
strParam: 1
bForceUpdate: 0
Point: 173,392
Point: 232,392
Point: 232,451
Point: 173,451
:End

:ActiveArea
strName: button2
strProc: PipeProc
strParam: 2
bForceUpdate: 0
Point: 239,392
Point: 298,392
Point: 298,451
Point: 239,451
:End

:ActiveArea
strName: button3
strProc: PipeProc
strParam: 3
bForceUpdate: 0
Point: 305,392
Point: 364,392
Point: 364,451
Point: 305,451
:End

:ActiveArea
strName: button4
strProc: PipeProc
strParam: 4
bForceUpdate: 0
Point: 371,392
Point: 430,392
Point: 430,451
Point: 371,451
:End

:ActiveArea
strName: button5
strProc: PipeProc
strParam: 5
bForceUpdate: 0
Point: 437,392
Point: 496,392
Point: 496,451
Point: 437,451
:End

:ActiveArea
strName: button6
strProc: PipeProc
strParam: 6
bForceUpdate: 0
Point: 503,392
Point: 562,392
Point: 562,451
Point: 503,451
:End

:ActiveArea
strName: button7
strProc: PipeProc
strParam: 7
bForceUpdate: 0
Point: 569,392
Point: 628,392
Point: 628,451
Point: 569,451
:End

:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 580,322
Point: 631,322
Point: 631,373
Point: 580,373
:End

