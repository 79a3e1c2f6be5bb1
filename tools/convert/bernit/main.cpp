// Bernit: ICD-9 with ICD-O-1 morphology to ICD-O-2.
#include "tools/convert/bernit/bernitengine.h"
#include "tools/convert/common/conversiondialog.h"

namespace kelvarin {
using CBernitApp = CConversionApp<BernitEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CBernitApp>(argc, argv, "Bernit");
}
