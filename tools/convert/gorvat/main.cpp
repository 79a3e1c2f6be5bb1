#include "tools/convert/gorvat/gorvatdlg.h"

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CGorvatApp>(argc, argv, "Gorvat");
}
