// The file tests of a wizard's Files page, on the file system itself. No
// test waits on what it finds: a named pipe is refused, never opened to wait
// for the other end.
#pragma once

#include <string>

namespace kelvarin {

enum class OutputFileState {
  kAbsent,         // no file there, and one can be created
  kExists,         // a regular file that opens for writing
  kNotAccessible,  // neither: also a device, a pipe or a folder
};

// Tells what a tool would find at an output path. An existing file is only
// opened (never created, emptied or deleted); where nothing exists a file is
// created exclusively and removed again.
OutputFileState CheckOutputFile(const std::string& path);

}  // namespace kelvarin
