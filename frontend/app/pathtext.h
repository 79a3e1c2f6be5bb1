// Paths between the widgets' text and the job settings' 8-bit strings.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace kelvarin {

inline QString PathFromJob(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

inline std::string PathToJob(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace kelvarin
