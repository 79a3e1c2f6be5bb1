ICD-9+ICD-O-1(M) to ICD-O-2 - Monday 07 December 2026-23:05
@INPUT@
The following records cannot be converted to ICD-O-2

000212100800039fghij (X) Invalid ICD-9/ICD-O-1 combination
00082217 800039zzzzz (X) Invalid ICD-9/ICD-O-1 combination
000922733976119zzzzz (M) Invalid ICD-O-1 (M) code
001022733963419zzzzz (M) Invalid ICD-O-1 (M) code
001111830800039zzzzz (S) Invalid sex/site combination
001221850800039zzzzz (S) Invalid sex/site combination
001391409800039zzzzz (S) Invalid sex code
0014114A9800039zzzzz (T) Invalid ICD-9 code
001511402800039zzzzz (T) Invalid ICD-9 code
001611409800049zzzzz (B) Invalid behaviour code
00171140980a039zzzzz (M) Invalid ICD-O-1 (M) code
00181140981403xzzzzz (G) Invalid grade code
0022 short *

13 record(s)
