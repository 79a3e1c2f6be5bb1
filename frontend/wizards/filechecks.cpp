#include "frontend/wizards/filechecks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace kelvarin {

OutputFileState CheckOutputFile(const std::string& path) {
  if (path.empty()) return OutputFileState::kNotAccessible;
  // Whatever is there, even a dangling link, stands in the way of creation.
  std::error_code error;
  const bool present = std::filesystem::exists(std::filesystem::symlink_status(path, error));
  if (present) {
    // Only a regular file is an output: a device or a pipe is never opened.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode))
      return OutputFileState::kNotAccessible;
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return OutputFileState::kNotAccessible;
    struct stat opened {};
    const bool regular = ::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode);
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
