// The file helpers of testfiles.h for the front-end's tests, which hold
// paths and bytes in Qt's types.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "tests/support/testfiles.h"

namespace kelvarin::test {

// Writes (or rewrites) the file and returns its path.
inline QString WriteTestFile(const QString& path, const QByteArray& bytes) {
  WriteFile(QFile::encodeName(path).toStdString(), bytes.toStdString());
  return path;
}

inline QByteArray ReadTestFile(const QString& path) {
  return QByteArray::fromStdString(ReadFile(QFile::encodeName(path).toStdString()));
}

}  // namespace kelvarin::test
