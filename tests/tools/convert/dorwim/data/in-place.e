ICD-10+ICD-O-2(M) to ICD-O-2 - Monday 07 December 2026-23:05
@INPUT@
The following records cannot be converted to ICD-O-2

00022C61 814039fghij (S) Invalid sex/site combination
00042C509800069pqrst (X) Invalid ICD-10/ICD-O-2 combination
00062D051852029zzzzz (X) Invalid ICD-10/ICD-O-2 combination
00081C509850099zzzzz (B) Invalid behaviour code
00091c509850039zzzzz (T) Invalid ICD-10 code
00101X509850039zzzzz (T) Invalid ICD-10 code
00111C967972039zzzzz (?) Program cannot convert
00121C509999039zzzzz (M) Invalid ICD-O-2 (M) code
00131C50985003gzzzzz (G) Invalid grade code
00140C509850039zzzzz (S) Invalid sex code
0017 short *

11 record(s)
