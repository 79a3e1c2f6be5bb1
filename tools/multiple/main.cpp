#include <QApplication>

#include "tools/multiple/multipledlg.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Multiple"));
  kelvarin::CMultipleApp app;
  return app.InitInstance();
}
