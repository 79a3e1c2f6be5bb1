ICD-9+ICD-O-1(M) to ICD-O-2 - Monday 07 December 2026-23:05
@INPUT@
The following records should be checked

00012C009814031abcde
00042C809800039pqrst
00191C421994039zzzzz
00211C809800039zzzzz

4 record(s)
