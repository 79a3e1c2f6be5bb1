#include <QApplication>

#include "tools/convert/jantrik/jantrikdlg.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Jantrik"));
  kelvarin::CJantrikApp app;
  return app.InitInstance();
}
