// Caslov: ICD-10 to ICD-O-2.
#include "tools/convert/caslov/caslovengine.h"
#include "tools/convert/common/conversiondialog.h"

namespace kelvarin {
using CCaslovApp = CConversionApp<CaslovEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CCaslovApp>(argc, argv, "Caslov");
}
