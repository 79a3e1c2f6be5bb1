// Dorwim: ICD-10 with ICD-O-2 morphology to ICD-O-2.
#include <QApplication>

#include "tools/convert/common/conversiondialog.h"
#include "tools/convert/dorwim/dorwimengine.h"

namespace kelvarin {
using CDorwimDlg = CConversionDlg;
using CDorwimApp = CConversionApp<DorwimEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Dorwim"));
  return kelvarin::CDorwimApp().InitInstance();
}
