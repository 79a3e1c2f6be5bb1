#include "tools/transfer/delimitedfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kelvarin {

namespace {
constexpr size_t kBufferSize = 1 << 18;
// The candidates in the order that settles a tie.
constexpr char kCandidates[] = {'\t', ',', '|', ';'};
}  // namespace

DelimitedFile::DelimitedFile() = default;

DelimitedFile::~DelimitedFile() { Close(); }

bool DelimitedFile::Open() {
  Close();
  const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return false;
  }
  m_file = fd;
  m_fileLength = S_ISREG(info.st_mode) ? static_cast<uint64_t>(info.st_size) : 0;
  m_buffer.resize(kBufferSize);
  m_pos = m_end = 0;
  m_bufferOffset = 0;
  m_eof = m_failed = false;
  m_readError = 0;
  return true;
}

void DelimitedFile::Close() {
  if (m_file >= 0) ::close(m_file);
  m_file = -1;
  m_buffer.clear();
  m_buffer.shrink_to_fit();
  m_pos = m_end = 0;
}

bool DelimitedFile::Refill() {
  if (m_pos > 0) {
    std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
    m_bufferOffset += m_pos;
    m_end -= m_pos;
    m_pos = 0;
  }
  while (true) {
    const ssize_t n = ::read(m_file, m_buffer.data() + m_end, m_buffer.size() - m_end);
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
    m_readError = errno;
    return false;
  }
}

bool DelimitedFile::Ensure(size_t count) {
  while (m_end - m_pos < count) {
    if (m_file < 0 || m_failed || m_eof || !Refill()) return false;
  }
  return true;
}

bool DelimitedFile::Rewind() {
  if (m_file < 0 || m_failed) return false;
  if (m_bufferOffset == 0) {
    m_pos = 0;  // the buffer still holds the start of the file
    return true;
  }
  if (::lseek(m_file, 0, SEEK_SET) != 0) {
    m_failed = true;
    m_readError = errno;
    return false;
  }
  m_pos = m_end = 0;
  m_bufferOffset = 0;
  m_eof = false;
  return true;
}

bool DelimitedFile::Prepare() {
  if (m_file < 0) return false;
  m_maxFieldLength = 15;
  if (!DetectDelimiter()) return false;
  ScanRecords();
  return !m_failed;
}

bool DelimitedFile::DetectDelimiter() {
  m_delimiter = 0;
  if (!Rewind()) return false;
  const uint64_t sample = std::min<uint64_t>(kDelimiterSample, m_fileLength);
  long long counts[4] = {};
  long long lines = 0;
  uint64_t taken = 0;
  int last = -1;
  while (taken < sample) {
    const int c = Get();
    if (c < 0) break;
    ++taken;
    last = c;
    if (c == '\r' || c == '\n') {
      ++lines;
      // A CR LF pair is one line end.
      if (c == '\r' && taken < sample && Ensure(1) && m_buffer[m_pos] == '\n') {
        ++m_pos;
        ++taken;
        last = '\n';
      }
      continue;
    }
    for (int k = 0; k < 4; ++k)
      if (c == kCandidates[k]) ++counts[k];
  }
  // The last line of a file that ends without a line end is a line too.
  if (taken > 0 && taken == m_fileLength && last != '\r' && last != '\n') ++lines;
  if (!Rewind() || lines == 0) return false;
  int best = 0;
  for (int k = 1; k < 4; ++k)
    if (counts[k] > counts[best]) best = k;
  if (counts[best] < 2 * lines) return false;
  m_delimiter = kCandidates[best];
  return true;
}

bool DelimitedFile::SkipFinalLineEnd() {
  const size_t available = m_end - m_pos;
  if (available >= 3 || !m_eof) return false;
  const char* p = m_buffer.data() + m_pos;
  const bool lone = (available == 1 && (p[0] == '\n' || p[0] == '\r')) ||
                    (available == 2 && p[0] == '\r' && p[1] == '\n');
  if (lone) m_pos += available;
  return lone;
}

bool DelimitedFile::ReadRecord() {
  m_recordBytes = 0;
  m_fieldCount = 0;
  m_surplusFields = 0;
  if (m_delimiter == 0 || m_file < 0 || m_failed) return false;
  Ensure(3);
  if (m_failed || m_pos == m_end || SkipFinalLineEnd()) return false;

  const uint64_t start = Position();
  while (!ReadField()) {
  }
  // Fields the record does not reach read as ".".
  for (int i = m_fieldCount; i < m_dirtyFields; ++i) {
    m_fields[i].assign(1, '.');
    m_fieldCut[i] = false;
  }
  m_dirtyFields = m_fieldCount;
  m_recordBytes = Position() - start;
  return !m_failed;
}

bool DelimitedFile::TakeRun(const std::array<bool, 256>& stops, size_t limit, std::string* field,
                            bool* cut) {
  while (Ensure(1)) {
    const char* begin = m_buffer.data() + m_pos;
    const char* end = m_buffer.data() + m_end;
    const char* p = begin;
    while (p < end && !stops[static_cast<unsigned char>(*p)]) ++p;
    const size_t length = static_cast<size_t>(p - begin);
    if (length > 0) {
      const size_t room = limit - std::min(limit, field->size());
      if (length > room) *cut = true;
      field->append(begin, std::min(length, room));
      m_pos += length;
    }
    if (p < end) return true;
  }
  return false;
}

bool DelimitedFile::ReadField() {
  const size_t limit = static_cast<size_t>(std::max(m_maxFieldLength + 5, 0));
  const bool surplus = m_fieldCount >= kMaxFields;
  std::string& field = surplus ? m_dropped : m_fields[m_fieldCount];
  field.clear();
  bool cut = false;
  bool recordEnds = false;
  auto store = [&](char c) {
    if (field.size() < limit)
      field.push_back(c);
    else
      cut = true;
  };

  int c = Get();
  if (c == '"' && m_delimiter == ',') {
    // Quoted: up to the closing quote; a line end inside is one blank.
    static const std::array<bool, 256> kQuotedStops = [] {
      std::array<bool, 256> stops{};
      stops['"'] = stops['\r'] = stops['\n'] = true;
      return stops;
    }();
    while (true) {
      if (!TakeRun(kQuotedStops, limit, &field, &cut)) {
        recordEnds = true;
        break;
      }
      c = Get();
      if (c == '"') {
        const int next = Get();
        if (next < 0 || next == '\n') {
          recordEnds = true;
          break;
        }
        if (next == '\r') {
          SkipLineFeed();
          recordEnds = true;
          break;
        }
        if (next == ',') break;
        store(next == '"' ? '\'' : static_cast<char>(next));
      } else {
        if (c == '\r') SkipLineFeed();
        store(' ');
      }
    }
  } else if (c < 0) {
    recordEnds = true;  // an empty last field at the end of the file
  } else {
    // Unquoted: up to the delimiter or a line end.
    --m_pos;
    if (m_stopsFor != m_delimiter) {
      m_stops.fill(false);
      m_stops[static_cast<unsigned char>(m_delimiter)] = m_stops['\r'] = m_stops['\n'] = true;
      m_stopsFor = m_delimiter;
    }
    if (!TakeRun(m_stops, limit, &field, &cut)) {
      recordEnds = true;
    } else {
      c = Get();
      if (c == '\r') SkipLineFeed();
      recordEnds = c != m_delimiter;
    }
  }

  if (surplus) {
    ++m_surplusFields;
  } else {
    m_fieldCut[m_fieldCount] = cut;
    ++m_fieldCount;
  }
  return recordEnds;
}

bool DelimitedFile::StartMeasuring() {
  m_columnWidths.fill(0);
  m_maxFieldCount = 0;
  return Rewind();
}

void DelimitedFile::MeasureRecord() {
  m_maxFieldCount = std::max(m_maxFieldCount, m_fieldCount);
  for (int i = 0; i < m_fieldCount; ++i)
    m_columnWidths[i] = std::max(m_columnWidths[i], static_cast<int>(m_fields[i].size()));
}

void DelimitedFile::ScanRecords() {
  if (!StartMeasuring()) return;
  for (int i = 0; i < kScanRecords && ReadRecord(); ++i) MeasureRecord();
  Rewind();
}

}  // namespace kelvarin
