#include <QApplication>

#include "tools/check/tesmardlg.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tesmar"));
  kelvarin::CTesmarApp app;
  return app.InitInstance();
}
