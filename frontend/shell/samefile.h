// Whether two paths name the same file.
#pragma once

#include <QString>

namespace kelvarin {

// Compared as files (device and inode) when both exist, so links and other
// spellings of one file match; otherwise as cleaned absolute paths.
bool IsSameFile(const QString& a, const QString& b);

}  // namespace kelvarin
