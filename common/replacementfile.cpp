#include "common/replacementfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>

namespace kelvarin {

int CreateFileBeside(const std::string& path, std::string* created, FileId* id) {
  static const char kCharacters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  static std::minstd_rand random(static_cast<unsigned>(
      std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid()));
  const std::string folder = path.substr(0, path.rfind('/') + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name(6, ' ');
    for (char& c : name) c = kCharacters[random() % (sizeof kCharacters - 1)];
    *created = folder + name + ".tmp";
    const int fd =
        ::open(created->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return -1;
    if (IsRegularFile(fd, id)) return fd;
    ::close(fd);
    ::unlink(created->c_str());
    return -1;
  }
  return -1;
}

ReplacementFile::ReplacementFile(const std::string& path) : m_path(path) {
  struct stat named {};
  if (::stat(path.c_str(), &named) == 0 && !OpensAsRegularFile(path, /*forUpdate=*/true)) return;
  const int fd = CreateFileBeside(path, &m_name, &m_id);
  if (fd >= 0)
    m_fd = fd;
  else
    m_name.clear();
}

ReplacementFile::~ReplacementFile() {
  if (m_fd >= 0) ::close(m_fd);
  if (Created() && !m_placed) DiscardOwnFile(m_name.c_str(), -1, m_id);
}

bool ReplacementFile::Write(const void* data, size_t size) {
  int error = 0;
  return m_fd >= 0 && WriteWhole(m_fd, data, size, &error);
}

ReplacementFile::Placement ReplacementFile::PutInPlace() {
  if (m_fd < 0) return m_placed ? Placement::kPlaced : Placement::kNotWritten;
  struct stat named {};
  const bool present = ::stat(m_path.c_str(), &named) == 0;
  // fsync through this descriptor puts the file's data on disk whoever wrote
  // it, so that a crash after the rename cannot leave an empty file there.
  const bool ready = (!present || ::fchmod(m_fd, named.st_mode & 0777) == 0) && ::fsync(m_fd) == 0;
  const bool closed = ::close(m_fd) == 0;
  m_fd = -1;
  if (!ready || !closed) return Placement::kNotWritten;
  m_placed = ::rename(m_name.c_str(), m_path.c_str()) == 0;
  return m_placed ? Placement::kPlaced : Placement::kNotRenamed;
}

}  // namespace kelvarin
