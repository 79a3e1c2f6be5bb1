#include "common/filebuffer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kelvarin {

bool FileBuffer::Adopt(int descriptor, size_t capacity) {
  Close();
  struct stat info {};
  if (::fstat(descriptor, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(descriptor);
    return false;
  }
  fd = descriptor;
  fileSize = S_ISREG(info.st_mode) ? static_cast<uint64_t>(info.st_size) : 0;
  bytes.resize(capacity);
  pos = end = 0;
  offset = 0;
  limit = UINT64_MAX;
  eof = failed = shrank = false;
  error = 0;
  return true;
}

void FileBuffer::Close() {
  if (fd >= 0) ::close(fd);
  fd = -1;
  bytes.clear();
  bytes.shrink_to_fit();
  pos = end = 0;
}

bool FileBuffer::Refill() {
  if (pos > 0) {
    std::memmove(bytes.data(), bytes.data() + pos, end - pos);
    offset += pos;
    end -= pos;
    pos = 0;
  }
  const uint64_t left = offset + end < limit ? limit - (offset + end) : 0;
  if (left == 0) {
    eof = true;
    return false;
  }
  const size_t room = static_cast<size_t>(std::min<uint64_t>(bytes.size() - end, left));
  while (true) {
    const ssize_t n = ::read(fd, bytes.data() + end, room);
    if (n > 0) {
      end += static_cast<size_t>(n);
      return true;
    }
    if (n == 0) {
      eof = true;
      if (limit != UINT64_MAX) failed = shrank = true;
      return false;
    }
    if (errno == EINTR) continue;
    failed = true;
    error = errno;
    return false;
  }
}

bool FileBuffer::Rewind() {
  if (fd < 0 || failed) return false;
  if (offset == 0) {
    pos = 0;  // the buffer still holds the start of the file
    return true;
  }
  if (::lseek(fd, 0, SEEK_SET) != 0) {
    failed = true;
    error = errno;
    return false;
  }
  pos = end = 0;
  offset = 0;
  eof = false;
  return true;
}

}  // namespace kelvarin
