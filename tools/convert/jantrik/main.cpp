// Jantrik: ICD-O-3 to ICD-10.
#include "tools/convert/common/conversiondialog.h"
#include "tools/convert/jantrik/jantrikengine.h"

namespace kelvarin {
using CJantrikApp = CConversionApp<JantrikEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  return kelvarin::RunToolProgram<kelvarin::CJantrikApp>(argc, argv, "Jantrik");
}
