bmpBackground: Xylophone\bkg



:ActiveArea
strName: barDO
strProc: CymbalAreaProc
strParam: 1
bForceUpdate: 0
Point: 200,120
Point: 243,120
Point: 243,419
Point: 200,419
:End

:ActiveArea
strName: barRE
strProc: CymbalAreaProc
strParam: 2
bForceUpdate: 0
Point: 252,127
Point: 295,127
Point: 295,412
Point: 252,412
:End

:ActiveArea
strName: barMI
strProc: CymbalAreaProc
strParam: 3
bForceUpdate: 0
Point: 304,134
Point: 347,134
Point: 347,405
Point: 304,405
:End

:ActiveArea
strName: barFA
strProc: CymbalAreaProc
strParam: 4
bForceUpdate: 0
Point: 356,141
Point: 399,141
Point: 399,398
Point: 356,398
:End

:ActiveArea
strName: barSOL
strProc: CymbalAreaProc
strParam: 5
bForceUpdate: 0
Point: 408,148
Point: 451,148
Point: 451,391
Point: 408,391
:End

:ActiveArea
strName: barLA
strProc: CymbalAreaProc
strParam: 6
bForceUpdate: 0
Point: 460,155
Point: 503,155
Point: 503,384
Point: 460,384
:End

:ActiveArea
strName: barSI
strProc: CymbalAreaProc
strParam: 7
bForceUpdate: 0
Point: 512,162
Point: 555,162
Point: 555,377
Point: 512,377
:End

:ActiveArea
strName: barDO2
strProc: CymbalAreaProc
strParam: 8
bForceUpdate: 0
Point: 564,169
Point: 607,169
Point: 607,370
Point: 564,370
:End

:ActiveArea
strName: melody-gama
strProc: MusicProc
strParam: gama
bForceUpdate: 0
Point: 22,100
Point: 171,100
Point: 171,149
Point: 22,149
:End

:ActiveArea
strName: melody-kotek
strProc: MusicProc
strParam: kotek
bForceUpdate: 0
Point: 22,160
Point: 171,160
Point: 171,209
Point: 22,209
:End

:ActiveArea
strName: melody-janie
strProc: MusicProc
strParam: janie
bForceUpdate: 0
Point: 22,220
Point: 171,220
Point: 171,269
Point: 22,269
:End

:ActiveArea
strName: melody-gwiazdka
strProc: MusicProc
strParam: gwiazdka
bForceUpdate: 0
Point: 22,280
Point: 171,280
Point: 171,329
Point: 22,329
:End

:ActiveArea
strName: melody-oda
strProc: MusicProc
strParam: oda
bForceUpdate: 0
Point: 22,340
Point: 171,340
Point: 171,389
Point: 22,389
:End

:ActiveArea
strName: melody-none
strProc: MusicProc
strParam: NONE
bForceUpdate: 0
Point: 22,404
Point: 171,404
Point: 171,453
Point: 22,453
:End

:BmpSprite
strName: DO
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Xylophone\mark
bColorKey: 1
Pos: 232,220
:End

:BmpSprite
strName: RE
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Xylophone\mark
bColorKey: 1
Pos: 284,220
:End

:BmpSprite
strName: MI
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Xylophone\mark
bColorKey: 1
Pos: 336,220
:End

:BmpSprite
strName: FA
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Xylophone\mark
bColorKey: 1
Pos: 388,220
:End

:BmpSprite
strName: SOL
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Xylophone\mark
bColorKey: 1
Pos: 440,220
:End

:BmpSprite
strName: LA
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Xylophone\mark
bColorKey: 1
Pos: 492,220
:End

:BmpSprite
strName: SI
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Xylophone\mark
bColorKey: 1
Pos: 544,220
:End

:BmpSprite
strName: DO2
strProc: 
strParam: 
bForceUpdate: 0
strAnimName: Xylophone\mark
bColorKey: 1
Pos: 596,220
:End

:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 584,420
Point: 635,420
Point: 635,471
Point: 584,471
:End

