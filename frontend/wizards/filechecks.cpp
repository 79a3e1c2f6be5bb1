#include "frontend/wizards/filechecks.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kelvarin {

bool OpensForUpdate(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "r+");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

OutputFileState CheckOutputFile(const std::string& path) {
  if (path.empty()) return OutputFileState::kNotAccessible;
  // Whatever is there, even a dangling link, stands in the way of creation.
  std::error_code error;
  const bool present = std::filesystem::exists(std::filesystem::symlink_status(path, error));
  if (present) {
    std::error_code folderError;
    if (std::filesystem::is_directory(path, folderError)) return OutputFileState::kNotAccessible;
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return OutputFileState::kNotAccessible;
    ::close(descriptor);
    return OutputFileState::kExists;
  }
  const int descriptor =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
  if (descriptor < 0) return OutputFileState::kNotAccessible;
  ::close(descriptor);
  ::unlink(path.c_str());
  return OutputFileState::kAbsent;
}

}  // namespace kelvarin
