@INPUT@
The following records cannot be converted to ICD-O-2

0000003010218298140392008 (T) Invalid ICD-9 code

1 record(s)
