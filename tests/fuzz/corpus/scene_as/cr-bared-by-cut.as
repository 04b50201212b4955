:ActiveArea
strName: ————————————————ã:ActiveAreÿÿ€a
strName: Help
strProc: ———————————————————————————————————————————————————————:ActiveArSkyAreaProc
strea
stParam: 
bForNamerc:e