bmpBackground: a_cross2

cannerLoop: cross2-wiatrak

sound: voice\g_cross
sound: voice\g_nameGardener
sound: voice\g_nameMagician
sound: voice\g_nameMusician
sound: voice\g_namePainter
sound: voice\g_onward

:ActiveArea
strName: greeting
strProc: SndProc
strParam: voice\g_cross 2 a_cross1
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: gardener
strProc: AdvProc
strParam: a_gardener
bForceUpdate: 0
Point: 213,222
Point: 332,222
Point: 332,249
Point: 213,249
:End

:ActiveArea
strName: gardenername
strProc: SndProc
strParam: voice\g_nameGardener 1
bForceUpdate: 0
Point: 213,222
Point: 332,222
Point: 332,249
Point: 213,249
:End

:ActiveArea
strName: musician
strProc: AdvProc
strParam: a_musician
bForceUpdate: 0
Point: 308,258
Point: 454,258
Point: 454,285
Point: 308,285
:End

:ActiveArea
strName: musicianname
strProc: SndProc
strParam: voice\g_nameMusician 1
bForceUpdate: 0
Point: 308,258
Point: 454,258
Point: 454,285
Point: 308,285
:End

:ActiveArea
strName: magician
strProc: AdvProc
strParam: a_magician
bForceUpdate: 0
Point: 243,294
Point: 332,294
Point: 332,321
Point: 243,321
:End

:ActiveArea
strName: magicianname
strProc: SndProc
strParam: voice\g_nameMagician 1
bForceUpdate: 0
Point: 243,294
Point: 332,294
Point: 332,321
Point: 243,321
:End

:ActiveArea
strName: painter
strProc: AdvProc
strParam: a_painter
bForceUpdate: 0
Point: 308,330
Point: 403,330
Point: 403,357
Point: 308,357
:End

:ActiveArea
strName: paintername
strProc: SndProc
strParam: voice\g_namePainter 1
bForceUpdate: 0
Point: 308,330
Point: 403,330
Point: 403,357
Point: 308,357
:End

:ActiveArea
strName: onward
strProc: AdvProc
strParam: a_cross3
bForceUpdate: 0
Point: 296,158
Point: 340,158
Point: 340,204
Point: 296,204
:End

:ActiveArea
strName: onwardname
strProc: SndProc
strParam: voice\g_onward 1
bForceUpdate: 0
Point: 296,158
Point: 340,158
Point: 340,204
Point: 296,204
:End

:ActiveArea
strName: mapscrap
strProc: AdvProc
strParam: @13
bForceUpdate: 0
Point: 486,436
Point: 514,436
Point: 514,460
Point: 486,460
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_cross1
bForceUpdate: 0
Point: 220,410
Point: 268,410
Point: 268,454
Point: 220,454
:End

:ActiveArea
strName: gardenerhouse
strProc: SndProc
strParam: voice\g_nameGardener 1
bForceUpdate: 0
Point: 61,190
Point: 131,190
Point: 131,264
Point: 61,264
:End

:ActiveArea
strName: magicianhouse
strProc: SndProc
strParam: voice\g_nameMagician 1
bForceUpdate: 0
Point: 150,198
Point: 210,198
Point: 210,262
Point: 150,262
:End

:ActiveArea
strName: musicianhouse
strProc: SndProc
strParam: voice\g_nameMusician 1
bForceUpdate: 0
Point: 387,196
Point: 453,196
Point: 453,266
Point: 387,266
:End

:ActiveArea
strName: painterhouse
strProc: SndProc
strParam: voice\g_namePainter 1
bForceUpdate: 0
Point: 585,198
Point: 639,198
Point: 639,270
Point: 585,270
:End

