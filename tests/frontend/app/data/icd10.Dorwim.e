@INPUT@
The following records cannot be converted to ICD-O-2

00000040121C5698140392008 (S) Invalid sex/site combination

1 record(s)
