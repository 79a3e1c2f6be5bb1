ICD-9+ICD-O-1(M) to ICD-O-2 - Monday 07 December 2026-23:05
@INPUT@
The following records should be checked

000121409814031abcde C009814031
001912024994039zzzzz C421994039

2 record(s)
