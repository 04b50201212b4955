bmpBackground: Pipe\bkg



:BmpSprite
strName: slot0
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 206,392
:End

:BmpSprite
strName: patch0
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch00
bColorKey: 1
Pos: 210,396
:End

:BmpSprite
strName: slot1
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 272,392
:End

:BmpSprite
strName: patch1
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch01
bColorKey: 1
Pos: 276,396
:End

:BmpSprite
strName: slot2
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 338,392
:End

:BmpSprite
strName: patch2
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch02
bColorKey: 1
Pos: 342,396
:End

:BmpSprite
strName: slot3
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 404,392
:End

:BmpSprite
strName: patch3
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch03
bColorKey: 1
Pos: 408,396
:End

:BmpSprite
strName: slot4
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\slot
bColorKey: 1
Pos: 470,392
:End

:BmpSprite
strName: patch4
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Pipe\patch04
bColorKey: 1
Pos: 474,396
:End

:ActiveArea
strName: button0
strProc: PipeProc
strParam: 0
bForceUpdate: 0
Point: 206,392
Point: 265,392
Point: 265,451
Point: 206,451
:End

:ActiveArea
strName: button1
strProc: PipeProc
strParam: 1
bForceUpdate: 0
Point: 272,392
Point: 331,392
Point: 331,451
Point: 272,451
:End

:ActiveArea
strName: button2
strProc: PipeProc
strParam: 2
bForceUpdate: 0
Point: 338,392
Point: 397,392
Point: 397,451
Point: 338,451
:End

:ActiveArea
strName: button3
strProc: PipeProc
strParam: 3
bForceUpdate: 0
Point: 404,392
Point: 463,392
Point: 463,451
Point: 404,451
:End

:ActiveArea
strName: button4
strProc: PipeProc
strParam: 4
bForceUpdate: 0
Point: 470,392
Point: 529,392
Point: 529,451
Point: 470,451
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

