@INPUT@
The following records should be checked

00000050102C5098000292018 D059 Unlikely behaviour code

1 record(s)
