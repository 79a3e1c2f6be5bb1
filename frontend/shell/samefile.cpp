#include "shell/samefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace kelvarin {

bool IsSameFile(const QString& a, const QString& b) {
  const std::filesystem::path pathA(QFile::encodeName(a).toStdString());
  const std::filesystem::path pathB(QFile::encodeName(b).toStdString());
  std::error_code error;
  const bool same = std::filesystem::equivalent(pathA, pathB, error);
  if (!error) return same;
  return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) ==
         QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

}  // namespace kelvarin
