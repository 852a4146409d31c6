[Element]
MaxLine=VX-30（30点）,30,VX-60（60点）,60,VX-95（95点）,95,VX-255（255点）,255
LedType=なし,連続,パターンA,パターンB,パターンC
BuzzerType=なし,連続,パターンA,パターンB,パターンC
Ex=OFF,ON
Select=1,2,3,4,5,6,7,8,9
Repeat=1,2,3,4,5,6,7,8,9
Card=32MB,64MB,128MB,256MB,512MB,1GB
