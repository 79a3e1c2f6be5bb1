#include "common/recordreader.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/fileidentity.h"

namespace kelvarin {

RecordReader::RecordReader(size_t bufferSize) : m_bufferSize(bufferSize < 1 ? 1 : bufferSize) {}

RecordReader::~RecordReader() { Close(); }

bool RecordReader::Open(const std::string& path) {
  Close();
  const int fd = OpenRegularFile(path, &m_openResult);
  if (fd < 0) return false;
  // A shared lock: other runs may read the file too, none may write it.
  if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
    ::close(fd);
    m_openResult = OpenForReading::kInUse;
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    m_openResult = OpenForReading::kCannotOpen;
    return false;
  }
  m_fd = fd;
  m_fileSize = static_cast<uint64_t>(info.st_size);
  m_buffer.resize(m_bufferSize);
  m_pos = m_end = 0;
  m_bufferOffset = m_recordOffset = 0;
  m_eof = m_failed = m_skipLineFeed = m_inLongLine = false;
  m_longLine.clear();
  return true;
}

void RecordReader::Close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

bool RecordReader::Refill() {
  // Keep the unread tail at the front of the buffer.
  if (m_pos > 0) {
    std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
    m_bufferOffset += m_pos;
    m_end -= m_pos;
    m_pos = 0;
  }
  while (true) {
    const ssize_t n = ::read(m_fd, m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (n > 0) {
      m_end += static_cast<size_t>(n);
      return true;
    }
    if (n == 0) {
      m_eof = true;
      return false;
    }
    if (errno == EINTR) continue;
    m_failed = true;
    return false;
  }
}

bool RecordReader::Next(std::string_view* record) {
  if (m_fd < 0 || m_failed) return false;
  while (true) {
    if (m_pos == m_end && !m_eof) {
      if (!Refill() && m_failed) return false;
    }
    if (m_skipLineFeed && m_pos < m_end) {
      if (m_buffer[m_pos] == '\n') ++m_pos;
      m_skipLineFeed = false;
      continue;
    }
    if (m_skipLineFeed && m_eof) m_skipLineFeed = false;

    const char* begin = m_buffer.data() + m_pos;
    const size_t available = m_end - m_pos;
    if (!m_inLongLine) m_recordOffset = m_bufferOffset + m_pos;

    const char* lf = static_cast<const char*>(std::memchr(begin, '\n', available));
    const size_t scan = lf ? static_cast<size_t>(lf - begin) : available;
    const char* cr = static_cast<const char*>(std::memchr(begin, '\r', scan));
    const char* stop = cr ? cr : lf;
    if (stop) {
      const size_t length = static_cast<size_t>(stop - begin);
      m_pos += length + 1;
      if (stop == cr) {
        if (m_pos < m_end) {
          if (m_buffer[m_pos] == '\n') ++m_pos;
        } else {
          m_skipLineFeed = true;
        }
      }
      if (m_inLongLine) {
        m_longLine.append(begin, length);
        m_inLongLine = false;
        *record = m_longLine;
      } else {
        *record = std::string_view(begin, length);
      }
      return true;
    }

    if (m_eof) {
      // A last line without a line end.
      if (available == 0 && !m_inLongLine) return false;
      m_pos = m_end;
      if (m_inLongLine) {
        m_longLine.append(begin, available);
        m_inLongLine = false;
        *record = m_longLine;
      } else {
        *record = std::string_view(begin, available);
      }
      return true;
    }

    if (m_pos == 0 && m_end == m_buffer.size()) {
      // The line fills the whole buffer: gather it aside and read on.
      if (!m_inLongLine) m_longLine.clear();
      m_longLine.append(begin, available);
      m_inLongLine = true;
      m_bufferOffset += m_end;
      m_pos = m_end = 0;
    }
    if (!Refill() && m_failed) return false;
  }
}

bool RecordReader::ReadAt(uint64_t offset, size_t length, std::string* out) const {
  out->resize(length);
  size_t done = 0;
  while (done < length) {
    const ssize_t n =
        ::pread(m_fd, out->data() + done, length - done, static_cast<off_t>(offset + done));
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      out->clear();
      return false;
    }
  }
  out->resize(done);
  return true;
}

}  // namespace kelvarin
