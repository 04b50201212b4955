bmpBackground: a_cross3


sound: voice\g_cross
sound: voice\g_nameAstronomer
sound: voice\g_namePlumber
sound: voice\g_nameProgrammer
sound: voice\g_nameRailroader

:ActiveArea
strName: greeting
strProc: SndProc
strParam: voice\g_cross 2 a_cross2
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: astronomer
strProc: AdvProc
strParam: a_astronomer
bForceUpdate: 0
Point: 308,222
Point: 433,222
Point: 433,249
Point: 308,249
:End

:ActiveArea
strName: astronomername
strProc: SndProc
strParam: voice\g_nameAstronomer 1
bForceUpdate: 0
Point: 308,222
Point: 433,222
Point: 433,249
Point: 308,249
:End

:ActiveArea
strName: plumber
strProc: AdvProc
strParam: a_plumber
bForceUpdate: 0
Point: 178,258
Point: 332,258
Point: 332,285
Point: 178,285
:End

:ActiveArea
strName: plumbername
strProc: SndProc
strParam: voice\g_namePlumber 1
bForceUpdate: 0
Point: 178,258
Point: 332,258
Point: 332,285
Point: 178,285
:End

:ActiveArea
strName: railroader
strProc: AdvProc
strParam: a_railroader
bForceUpdate: 0
Point: 308,294
Point: 418,294
Point: 418,321
Point: 308,321
:End

:ActiveArea
strName: railroadername
strProc: SndProc
strParam: voice\g_nameRailroader 1
bForceUpdate: 0
Point: 308,294
Point: 418,294
Point: 418,321
Point: 308,321
:End

:ActiveArea
strName: programmer
strProc: AdvProc
strParam: a_programmer
bForceUpdate: 0
Point: 184,330
Point: 332,330
Point: 332,357
Point: 184,357
:End

:ActiveArea
strName: programmername
strProc: SndProc
strParam: voice\g_nameProgrammer 1
bForceUpdate: 0
Point: 184,330
Point: 332,330
Point: 332,357
Point: 184,357
:End

:ActiveArea
strName: hill
strProc: AdvProc
strParam: a_astronomer
bForceUpdate: 0
Point: 506,96
Point: 574,96
Point: 574,140
Point: 506,140
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_cross2
bForceUpdate: 0
Point: 230,410
Point: 278,410
Point: 278,454
Point: 230,454
:End

:ActiveArea
strName: plumberhouse
strProc: SndProc
strParam: voice\g_namePlumber 1
bForceUpdate: 0
Point: 47,200
Point: 113,200
Point: 113,270
Point: 47,270
:End

:ActiveArea
strName: programmerhouse
strProc: SndProc
strParam: voice\g_nameProgrammer 1
bForceUpdate: 0
Point: 138,198
Point: 202,198
Point: 202,266
Point: 138,266
:End

:ActiveArea
strName: railroaderhouse
strProc: SndProc
strParam: voice\g_nameRailroader 1
bForceUpdate: 0
Point: 430,196
Point: 510,196
Point: 510,270
Point: 430,270
:End

