@INPUT@
The following records cannot be converted to ICD-10

00000050091C7998140392017 Invalid ICD-O-3 code (t)
00000050121C5698140392018 C56  Invalid sex/site/histology combination

2 record(s)
