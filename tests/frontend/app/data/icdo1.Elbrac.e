@INPUT@
The following records cannot be converted to ICD-O-2

0000001012118308140391988 (S) Invalid sex/site combination

1 record(s)
