#include "tools/check/tesmardlg.h"

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CTesmarApp>(argc, argv, "Tesmar");
}
