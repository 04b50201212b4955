bmpBackground: comets\bkg



:BmpSprite
strName: comet
strProc: CometProc
strParam: 
bForceUpdate: 1
strAnimName: comets\comet
bColorKey: 1
Pos: -200,100
:End

:BmpSprite
strName: net
strProc: NetProc
strParam: 
bForceUpdate: 1
strAnimName: comets\net
bColorKey: 1
Pos: 100,-100
:End

:BmpSprite
strName: car
strProc: CarProc
strParam: 
bForceUpdate: 1
strAnimName: comets\car
bColorKey: 1
Pos: 264,372
:End

