// Gorvat: ICD-O-2 to ICD-O-3.
#include "tools/convert/common/conversiondialog.h"
#include "tools/convert/gorvat/gorvatengine.h"

namespace kelvarin {
using CGorvatApp = CConversionApp<GorvatEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CGorvatApp>(argc, argv, "Gorvat");
}
