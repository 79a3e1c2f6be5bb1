@INPUT@
The following records cannot be converted to ICD-O-3

00000020091C8098000691997 (B) Invalid behaviour code
00000020121C5698140391998 (S) Invalid sex/site combination

2 record(s)
