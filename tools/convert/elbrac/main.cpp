// Elbrac: ICD-O-1 to ICD-O-2, on the shared ICD-O-1 core.
#include "tools/convert/common/conversiondialog.h"
#include "tools/convert/elbrac/elbracengine.h"

namespace kelvarin {
using CElbracApp = CConversionApp<ElbracEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CElbracApp>(argc, argv, "Elbrac");
}
