#include "common/recordreader.h"

#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
  if (!m_in.Adopt(fd, m_bufferSize)) {
    m_openResult = OpenForReading::kCannotOpen;
    return false;
  }
  m_recordOffset = 0;
  m_skipLineFeed = m_inLongLine = false;
  m_longLine.clear();
  return true;
}

void RecordReader::Close() { m_in.Close(); }

bool RecordReader::Next(std::string_view* record) {
  if (m_in.fd < 0 || m_in.failed) return false;
  while (true) {
    if (m_in.pos == m_in.end && !m_in.eof) {
      if (!m_in.Refill() && m_in.failed) return false;
    }
    if (m_skipLineFeed && m_in.pos < m_in.end) {
      if (m_in.bytes[m_in.pos] == '\n') ++m_in.pos;
      m_skipLineFeed = false;
      continue;
    }
    if (m_skipLineFeed && m_in.eof) m_skipLineFeed = false;

    const char* begin = m_in.bytes.data() + m_in.pos;
    const size_t available = m_in.end - m_in.pos;
    if (!m_inLongLine) m_recordOffset = m_in.offset + m_in.pos;

    const char* lf = static_cast<const char*>(std::memchr(begin, '\n', available));
    const size_t scan = lf ? static_cast<size_t>(lf - begin) : available;
    const char* cr = static_cast<const char*>(std::memchr(begin, '\r', scan));
    const char* stop = cr ? cr : lf;
    if (stop) {
      const size_t length = static_cast<size_t>(stop - begin);
      m_in.pos += length + 1;
      if (stop == cr) {
        if (m_in.pos < m_in.end) {
          if (m_in.bytes[m_in.pos] == '\n') ++m_in.pos;
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

    if (m_in.eof) {
      // A last line without a line end.
      if (available == 0 && !m_inLongLine) return false;
      m_in.pos = m_in.end;
      if (m_inLongLine) {
        m_longLine.append(begin, available);
        m_inLongLine = false;
        *record = m_longLine;
      } else {
        *record = std::string_view(begin, available);
      }
      return true;
    }

    if (m_in.pos == 0 && m_in.end == m_in.bytes.size()) {
      // The line fills the whole buffer: gather it aside and read on.
      if (!m_inLongLine) m_longLine.clear();
      m_longLine.append(begin, available);
      m_inLongLine = true;
      m_in.offset += m_in.end;
      m_in.pos = m_in.end = 0;
    }
    if (!m_in.Refill() && m_in.failed) return false;
  }
}

bool RecordReader::ReadAt(uint64_t offset, size_t length, std::string* out) const {
  out->resize(length);
  size_t done = 0;
  while (done < length) {
    const ssize_t n =
        ::pread(m_in.fd, out->data() + done, length - done, static_cast<off_t>(offset + done));
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
