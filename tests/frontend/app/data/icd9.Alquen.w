@INPUT@
The following records should be checked

0000003008114098000392007  C009800039

1 record(s)
