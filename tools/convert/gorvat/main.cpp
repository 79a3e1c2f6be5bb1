#include <QApplication>

#include "tools/convert/gorvat/gorvatdlg.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Gorvat"));
  kelvarin::CGorvatApp app;
  return app.InitInstance();
}
