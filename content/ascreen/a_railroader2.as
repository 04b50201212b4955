bmpBackground: a_railroader2

cannerLoop: railroader-dym

sound: can\mov-railroader

:ActiveArea
strName: character
strProc: SndProc
strParam: can\mov-railroader 0
bForceUpdate: 0
Point: 224,180
Point: 340,180
Point: 340,396
Point: 224,396
:End

:ActiveArea
strName: gameF
strProc: AdvProc
strParam: !F
bForceUpdate: 0
Point: 350,48
Point: 470,48
Point: 470,168
Point: 350,168
:End

:ActiveArea
strName: return
strProc: AdvProc
strParam: a_railroader
bForceUpdate: 0
Point: 24,152
Point: 104,152
Point: 104,298
Point: 24,298
:End

