#include "tools/convert/jantrik/jantrikdlg.h"

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CJantrikApp>(argc, argv, "Jantrik");
}
