// Caslov: ICD-10 to ICD-O-2.
#include <QApplication>

#include "tools/convert/caslov/caslovengine.h"
#include "tools/convert/common/conversiondialog.h"

namespace kelvarin {
using CCaslovDlg = CConversionDlg;
using CCaslovApp = CConversionApp<CaslovEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Caslov"));
  return kelvarin::CCaslovApp().InitInstance();
}
