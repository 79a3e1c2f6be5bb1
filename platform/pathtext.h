// Paths between Qt's text and the 8-bit strings the engines, the job settings
// and the file routines take: the bytes of the file name.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace kelvarin {

inline QString FromLocalPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

inline std::string ToLocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace kelvarin
