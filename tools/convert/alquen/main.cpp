// Alquen: ICD-9 to ICD-O-2.
#include "tools/convert/alquen/alquenengine.h"
#include "tools/convert/common/conversiondialog.h"

namespace kelvarin {
using CAlquenApp = CConversionApp<AlquenEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CAlquenApp>(argc, argv, "Alquen");
}
