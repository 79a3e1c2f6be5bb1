// Dorwim: ICD-10 with ICD-O-2 morphology to ICD-O-2.
#include "tools/convert/common/conversiondialog.h"
#include "tools/convert/dorwim/dorwimengine.h"

namespace kelvarin {
using CDorwimApp = CConversionApp<DorwimEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CDorwimApp>(argc, argv, "Dorwim");
}
