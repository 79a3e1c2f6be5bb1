// Fenzel: ICD-O-1 (field trial edition, 1988) to ICD-O-2, on the shared ICD-O-1 core.
#include "tools/convert/common/conversiondialog.h"
#include "tools/convert/fenzel/fenzelengine.h"

namespace kelvarin {
using CFenzelApp = CConversionApp<FenzelEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CFenzelApp>(argc, argv, "Fenzel");
}
