ICD-9 to ICD-O-2 - Monday 07 December 2026-23:05
@INPUT@
The following records should be checked

000221552abcdefghijk  C220800099
000311409abcdefghijk  C009800039

2 record(s)
