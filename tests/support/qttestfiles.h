// The file helpers of testfiles.h for the front-end's tests, which hold
// paths and bytes in Qt's types.
#pragma once

#include <QByteArray>
#include <QString>

#include "platform/pathtext.h"
#include "tests/support/testfiles.h"

namespace kelvarin::test {

// Writes (or rewrites) the file and returns its path.
inline QString WriteTestFile(const QString& path, const QByteArray& bytes) {
  WriteFile(ToLocalPath(path), bytes.toStdString());
  return path;
}

inline QByteArray ReadTestFile(const QString& path) {
  return QByteArray::fromStdString(ReadFile(ToLocalPath(path)));
}

}  // namespace kelvarin::test
