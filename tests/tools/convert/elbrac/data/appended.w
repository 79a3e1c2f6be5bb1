ICD-O-1 to ICD-O-2 - Monday 07 December 2026-23:05
@INPUT@
The following records should be checked

000111409800039abcde C009800039
001411409995119zzzzz C009993139
009911409800039nolf! C009800039

3 record(s)
