#include "common/reportfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kelvarin {

namespace {
constexpr size_t kBufferSize = 1 << 18;
}

ReportFile::~ReportFile() { Close(); }

bool ReportFile::Open(const std::string& path) {
  Close();
  m_path = path;
  m_failed = m_inUse = m_owned = false;
  m_errorNumber = 0;
  // Not blocking: a pipe without a reader fails at once instead of waiting.
  constexpr int kFlags = O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  bool created = false;
  int fd = ::open(path.c_str(), kFlags);
  if (fd < 0 && errno == ENOENT) {
    fd = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
    created = fd >= 0;
  }
  if (fd < 0) return false;
  return Adopt(fd, created);
}

bool ReportFile::OpenTemporary(const std::string& pattern) {
  Close();
  m_path = pattern;
  m_failed = m_inUse = m_owned = false;
  m_errorNumber = 0;
  const int fd = ::mkostemp(m_path.data(), O_CLOEXEC);
  if (fd < 0) return false;
  ::unlink(m_path.c_str());
  return Adopt(fd, false);
}

bool ReportFile::Adopt(int fd, bool created) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return false;
  }
  m_id = FileId{info.st_dev, info.st_ino};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
    // Another run writes this file (it may even have created it an instant
    // ago): it is not ours to take back. A file system without locks (any
    // other error) does not stop the run.
    m_inUse = true;
    ::close(fd);
    return false;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  m_fd = fd;
  m_owned = created;
  m_buffer.resize(kBufferSize);
  m_used = 0;
  return true;
}

bool ReportFile::Truncate() {
  if (m_fd < 0) return false;
  struct stat info {};
  if (::fstat(m_fd, &info) == 0 && !S_ISREG(info.st_mode)) return true;  // a device or pipe
  if (::ftruncate(m_fd, 0) != 0) Fail(errno);
  m_owned = true;
  return !m_failed;
}

void ReportFile::Fail(int errorNumber) {
  if (!m_failed) m_errorNumber = errorNumber;
  m_failed = true;
}

bool ReportFile::Flush() {
  int error = 0;
  if (!m_failed && !WriteWhole(m_fd, m_buffer.data(), m_used, &error)) Fail(error);
  m_used = 0;
  return !m_failed;
}

void ReportFile::Write(std::string_view text) {
  // An empty view may carry no data pointer at all: nothing to copy.
  if (m_fd < 0 || text.empty()) return;
  if (text.size() > m_buffer.size() - m_used) {
    Flush();
    if (text.size() > m_buffer.size()) {
      // Larger than the buffer: write it directly.
      m_buffer.assign(text.begin(), text.end());
      m_used = text.size();
      Flush();
      m_buffer.resize(kBufferSize);
      return;
    }
  }
  std::memcpy(m_buffer.data() + m_used, text.data(), text.size());
  m_used += text.size();
}

void ReportFile::Put(char c) {
  if (m_fd < 0) return;
  if (m_used == m_buffer.size()) Flush();
  m_buffer[m_used++] = c;
}

void ReportFile::Printf(const char* format, ...) {
  if (m_fd < 0) return;
  char small[1024];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (n < 0) {
    Fail(0);
    return;
  }
  if (static_cast<size_t>(n) < sizeof small) {
    Write(std::string_view(small, static_cast<size_t>(n)));
    return;
  }
  std::string large(static_cast<size_t>(n) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(large.data(), large.size(), format, args);
  va_end(args);
  large.resize(static_cast<size_t>(n));
  Write(large);
}

bool ReportFile::Close() {
  if (m_fd < 0) return !m_failed;
  Flush();
  if (::close(m_fd) != 0) Fail(errno);
  m_fd = -1;
  m_buffer.clear();
  m_buffer.shrink_to_fit();
  return !m_failed;
}

void ReportFile::Discard() {
  m_used = 0;  // nothing buffered reaches the file
  if (m_owned && !m_path.empty()) DiscardOwnFile(m_path.c_str(), m_fd, m_id);
  m_owned = false;
  Close();
}

}  // namespace kelvarin
