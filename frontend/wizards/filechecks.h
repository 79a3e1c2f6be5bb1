// The file tests of a wizard's Files page, on the file system itself.
#pragma once

#include <string>

namespace kelvarin {

// Whether an existing file opens for reading and writing; nothing is changed.
bool OpensForUpdate(const std::string& path);

enum class OutputFileState {
  kAbsent,         // no file there, and one can be created
  kExists,         // a file that opens for writing
  kNotAccessible,  // neither
};

// Tells what a tool would find at an output path. An existing file is only
// opened (never created, emptied or deleted); where nothing exists a file is
// created exclusively and removed again.
OutputFileState CheckOutputFile(const std::string& path);

}  // namespace kelvarin
