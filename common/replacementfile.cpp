#include "common/replacementfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kelvarin {

ReplacementFile::ReplacementFile(const std::string& path) : m_path(path) {
  struct stat named {};
  if (::stat(path.c_str(), &named) == 0 && !OpensAsRegularFile(path, /*forUpdate=*/true)) return;
  static unsigned serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    m_name = path + ".new" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
    const int fd = ::open(m_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) break;
    if (IsRegularFile(fd, &m_id)) {
      m_fd = fd;
      return;
    }
    ::close(fd);
    ::unlink(m_name.c_str());
    break;
  }
  m_name.clear();
}

ReplacementFile::~ReplacementFile() {
  if (m_fd >= 0) ::close(m_fd);
  if (Created() && !m_placed) DiscardOwnFile(m_name.c_str(), -1, m_id);
}

bool ReplacementFile::PutInPlace() {
  if (m_fd < 0) return m_placed;
  struct stat named {};
  const bool present = ::stat(m_path.c_str(), &named) == 0;
  // fsync through this descriptor puts the file's data on disk whoever wrote
  // it, so that a crash after the rename cannot leave an empty file there.
  const bool ready = (!present || ::fchmod(m_fd, named.st_mode & 0777) == 0) && ::fsync(m_fd) == 0;
  const bool closed = ::close(m_fd) == 0;
  m_fd = -1;
  m_placed = ready && closed && ::rename(m_name.c_str(), m_path.c_str()) == 0;
  return m_placed;
}

}  // namespace kelvarin
