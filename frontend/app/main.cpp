// Kelvarin: the front-end of the registry tools.
#include <QApplication>

#include "frontend/app/cquandorapp.h"

int main(int argc, char* argv[]) {
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvarin"));
  kelvarin::CQuandorApp app;
  if (!app.InitInstance()) return app.ExitInstance();
  QApplication::exec();
  return app.ExitInstance();
}
