@INPUT@
The following records should be checked

00000020102C5418930391998 C541893039

1 record(s)
