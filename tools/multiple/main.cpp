#include "tools/multiple/multipledlg.h"

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CMultipleApp>(argc, argv, "Multiple");
}
