bmpBackground: painter\bkg



:ActiveArea
strName: brush
strProc: BrushAreaProc
strParam: brush
bForceUpdate: 0
Point: 63,399
Point: 130,399
Point: 130,472
Point: 63,472
:End

:ActiveArea
strName: fill
strProc: FillAreaProc
strParam: fill
bForceUpdate: 0
Point: 136,399
Point: 203,399
Point: 203,472
Point: 136,472
:End

:ActiveArea
strName: clean
strProc: PicSelAreaProc
strParam: PicSel0
bForceUpdate: 0
Point: 558,22
Point: 637,22
Point: 637,77
Point: 558,77
:End

:ActiveArea
strName: picture1
strProc: PicSelAreaProc
strParam: PicSel1
bForceUpdate: 0
Point: 558,83
Point: 637,83
Point: 637,140
Point: 558,140
:End

:ActiveArea
strName: picture2
strProc: PicSelAreaProc
strParam: PicSel2
bForceUpdate: 0
Point: 558,145
Point: 637,145
Point: 637,202
Point: 558,202
:End

:ActiveArea
strName: picture3
strProc: PicSelAreaProc
strParam: PicSel3
bForceUpdate: 0
Point: 558,207
Point: 637,207
Point: 637,264
Point: 558,264
:End

:ActiveArea
strName: picture4
strProc: PicSelAreaProc
strParam: PicSel4
bForceUpdate: 0
Point: 558,269
Point: 637,269
Point: 637,326
Point: 558,326
:End

:ActiveArea
strName: picture5
strProc: PicSelAreaProc
strParam: PicSel5
bForceUpdate: 0
Point: 558,331
Point: 637,331
Point: 637,388
Point: 558,388
:End

:ActiveArea
strName: picture6
strProc: PicSelAreaProc
strParam: PicSel6
bForceUpdate: 0
Point: 558,393
Point: 637,393
Point: 637,450
Point: 558,450
:End

:ActiveArea
strName: back
strProc: BackProc
strParam: 
bForceUpdate: 0
Point: 211,405
Point: 262,405
Point: 262,456
Point: 211,456
:End

