// The home folder of an application started by a test, as Kelvarin run in
// it: "home" with "pgm" below it in a fresh folder, which is $HOME; "home"
// is the current folder while the object lives.
#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "frontend/app/cquandorapp.h"
#include "platform/pathtext.h"

namespace kelvarin::test {

class AppHome {
 public:
  AppHome() : m_startFolder(QDir::currentPath()) {
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    if (!QDir().mkpath(m_dir.filePath(QStringLiteral("home/pgm"))) ||
        !QDir::setCurrent(m_dir.filePath(QStringLiteral("home"))))
      qFatal("cannot make the home folder");
  }
  ~AppHome() { QDir::setCurrent(m_startFolder); }

  // A path in the home folder.
  std::string Path(const std::string& name = "") const {
    return ToLocalPath(m_dir.filePath(QStringLiteral("home/"))) + name;
  }

  // A started application.
  std::unique_ptr<CQuandorApp> Start() const {
    auto app = std::make_unique<CQuandorApp>(m_dir.filePath(QStringLiteral("Kelvarin.ini")));
    if (!app->InitInstance()) qFatal("start-up failed");
    return app;
  }

 private:
  QTemporaryDir m_dir;
  QString m_startFolder;
};

}  // namespace kelvarin::test
