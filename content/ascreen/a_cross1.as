bmpBackground: a_cross1


sound: voice\g_cross
sound: voice\g_nameAlchemist
sound: voice\g_nameCook
sound: voice\g_nameEngineer
sound: voice\g_nameFireman
sound: voice\g_onward

:ActiveArea
strName: greeting
strProc: SndProc
strParam: voice\g_cross 2 a_home
bForceUpdate: 0
Point: 0,0
Point: 639,0
Point: 639,479
Point: 0,479
:End

:ActiveArea
strName: alchemist
strProc: AdvProc
strParam: a_alchemist
bForceUpdate: 0
Point: 212,222
Point: 332,222
Point: 332,249
Point: 212,249
:End

:ActiveArea
strName: alchemistname
strProc: SndProc
strParam: voice\g_nameAlchemist 1
bForceUpdate: 0
Point: 212,222
Point: 332,222
Point: 332,249
Point: 212,249
:End

:ActiveArea
strName: engineer
strProc: AdvProc
strParam: a_engineer
bForceUpdate: 0
Point: 308,258
Point: 439,258
Point: 439,285
Point: 308,285
:End

:ActiveArea
strName: engineername
strProc: SndProc
strParam: voice\g_nameEngineer 1
bForceUpdate: 0
Point: 308,258
Point: 439,258
Point: 439,285
Point: 308,285
:End

:ActiveArea
strName: cook
strProc: AdvProc
strParam: a_cook
bForceUpdate: 0
Point: 212,294
Point: 332,294
Point: 332,321
Point: 212,321
:End

:ActiveArea
strName: cookname
strProc: SndProc
strParam: voice\g_nameCook 1
bForceUpdate: 0
Point: 212,294
Point: 332,294
Point: 332,321
Point: 212,321
:End

:ActiveArea
strName: fireman
strProc: AdvProc
strParam: a_fireman
bForceUpdate: 0
Point: 308,330
Point: 411,330
Point: 411,357
Point: 308,357
:End

:ActiveArea
strName: firemanname
strProc: SndProc
strParam: voice\g_nameFireman 1
bForceUpdate: 0
Point: 308,330
Point: 411,330
Point: 411,357
Point: 308,357
:End

:ActiveArea
strName: onward
strProc: AdvProc
strParam: a_cross2
bForceUpdate: 0
Point: 298,160
Point: 342,160
Point: 342,206
Point: 298,206
:End

:ActiveArea
strName: onwardname
strProc: SndProc
strParam: voice\g_onward 1
bForceUpdate: 0
Point: 298,160
Point: 342,160
Point: 342,206
Point: 298,206
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_home
bForceUpdate: 0
Point: 230,410
Point: 278,410
Point: 278,454
Point: 230,454
:End

:ActiveArea
strName: alchemisthouse
strProc: SndProc
strParam: voice\g_nameAlchemist 1
bForceUpdate: 0
Point: 35,188
Point: 105,188
Point: 105,262
Point: 35,262
:End

:ActiveArea
strName: cookhouse
strProc: SndProc
strParam: voice\g_nameCook 1
bForceUpdate: 0
Point: 118,202
Point: 182,202
Point: 182,268
Point: 118,268
:End

:ActiveArea
strName: engineerhouse
strProc: SndProc
strParam: voice\g_nameEngineer 1
bForceUpdate: 0
Point: 460,190
Point: 540,190
Point: 540,266
Point: 460,266
:End

:ActiveArea
strName: firemanhouse
strProc: SndProc
strParam: voice\g_nameFireman 1
bForceUpdate: 0
Point: 549,188
Point: 619,188
Point: 619,264
Point: 549,264
:End

