// Paths between the widgets' text and the 8-bit strings of the job settings
// and the file routines.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace kelvarin {

inline QString FromLocalPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

inline std::string ToLocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace kelvarin
