// Alquen: ICD-9 to ICD-O-2.
#include <QApplication>

#include "tools/convert/alquen/alquenengine.h"
#include "tools/convert/common/conversiondialog.h"

namespace kelvarin {
using CAlquenDlg = CConversionDlg;
using CAlquenApp = CConversionApp<AlquenEngine>;
}  // namespace kelvarin

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Alquen"));
  return kelvarin::CAlquenApp().InitInstance();
}
