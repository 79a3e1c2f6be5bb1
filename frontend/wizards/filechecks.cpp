#include "frontend/wizards/filechecks.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "common/fileidentity.h"

namespace kelvarin {

OutputFileState CheckOutputFile(const std::string& path) {
  if (path.empty()) return OutputFileState::kNotAccessible;
  // Whatever is there, even a dangling link, stands in the way of creation.
  std::error_code error;
  const bool present = std::filesystem::exists(std::filesystem::symlink_status(path, error));
  if (present) {
    // Only a regular file is an output: a device or a pipe is never opened,
    // and a folder does not open for writing.
    if (NamesDeviceOrPipe(path)) return OutputFileState::kNotAccessible;
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return OutputFileState::kNotAccessible;
    const bool regular = IsRegularFile(descriptor);
    ::close(descriptor);
    return regular ? OutputFileState::kExists : OutputFileState::kNotAccessible;
  }
  const int descriptor =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
  if (descriptor < 0) return OutputFileState::kNotAccessible;
  ::close(descriptor);
  ::unlink(path.c_str());
  return OutputFileState::kAbsent;
}

}  // namespace kelvarin
