ICD-O-1 (Field Trial Edition, 1988) to ICD-O-2 - Monday 07 December 2026-23:05
@INPUT@
The following records cannot be converted to ICD-O-2

000611830800039zzzzz (S) Invalid sex/site combination
000731409800039zzzzz (S) Invalid sex code
000811409800049zzzzz (B) Invalid behaviour code
001011402800039zzzzz (T) Invalid ICDO-1 (T) code
00111A409800039zzzzz (T) Invalid ICDO-1 (T) code
00121140980O039zzzzz (M) Invalid ICDO-1 (M) code
001311409911139zzzzz (M) Invalid ICDO-1 (M) code
001411409995119zzzzz (M) Invalid ICDO-1 (M) code
0016 short *
00171A4098000x9zzzzz (B) Invalid behaviour code

10 record(s)
