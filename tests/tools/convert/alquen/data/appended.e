ICD-9 to ICD-O-2 - Monday 07 December 2026-23:05
@INPUT@
The following records cannot be converted to ICD-O-2

000722733abcdefghijk (?)
000811402abcdefghijk (T) Invalid ICD-9 code
000911830abcdefghijk (S) Invalid sex/site combination
0010X1409abcdefghijk (S) Invalid sex code
00111A140abcdefghijk (T) Invalid ICD-9 code
0014 short *

6 record(s)
