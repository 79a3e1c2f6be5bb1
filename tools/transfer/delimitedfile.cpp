#include "tools/transfer/delimitedfile.h"

#include <algorithm>

namespace kelvarin {

namespace {
constexpr size_t kBufferSize = 1 << 18;
// The candidates in the order that settles a tie.
constexpr char kCandidates[] = {'\t', ',', '|', ';'};
}  // namespace

DelimitedFile::DelimitedFile() = default;

DelimitedFile::~DelimitedFile() { Close(); }

bool DelimitedFile::Open() {
  if (!m_file.Open(m_path, kBufferSize)) return false;
  m_fileLength = m_file.fileSize;
  return true;
}

void DelimitedFile::Close() { m_file.Close(); }

bool DelimitedFile::Ensure(size_t count) {
  while (m_file.end - m_file.pos < count) {
    if (!m_file.isOpen() || m_file.failed || m_file.eof || !m_file.Refill()) return false;
  }
  return true;
}

bool DelimitedFile::Rewind() { return m_file.isOpen() && m_file.Rewind(); }

bool DelimitedFile::Prepare() {
  if (!m_file.isOpen()) return false;
  m_maxFieldLength = 15;
  if (!DetectDelimiter()) return false;
  ScanRecords();
  return !m_file.failed;
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
      if (c == '\r' && taken < sample && Ensure(1) && m_file.bytes[m_file.pos] == '\n') {
        ++m_file.pos;
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
  const size_t available = m_file.end - m_file.pos;
  if (available >= 3 || !m_file.eof) return false;
  const char* p = m_file.bytes.data() + m_file.pos;
  const bool lone = (available == 1 && (p[0] == '\n' || p[0] == '\r')) ||
                    (available == 2 && p[0] == '\r' && p[1] == '\n');
  if (lone) m_file.pos += available;
  return lone;
}

bool DelimitedFile::ReadRecord() {
  m_recordBytes = 0;
  m_fieldCount = 0;
  m_surplusFields = 0;
  if (m_delimiter == 0 || !m_file.isOpen() || m_file.failed) return false;
  Ensure(3);
  if (m_file.failed || m_file.pos == m_file.end || SkipFinalLineEnd()) return false;

  const uint64_t start = m_file.position();
  while (!ReadField()) {
  }
  // Fields the record does not reach read as ".".
  for (int i = m_fieldCount; i < m_dirtyFields; ++i) {
    m_fields[i].assign(1, '.');
    m_fieldCut[i] = false;
  }
  m_dirtyFields = m_fieldCount;
  m_recordBytes = m_file.position() - start;
  return !m_file.failed;
}

bool DelimitedFile::TakeRun(const std::array<bool, 256>& stops, size_t limit, std::string* field,
                            bool* cut) {
  while (Ensure(1)) {
    const char* begin = m_file.bytes.data() + m_file.pos;
    const char* end = m_file.bytes.data() + m_file.end;
    const char* p = begin;
    while (p < end && !stops[static_cast<unsigned char>(*p)]) ++p;
    const size_t length = static_cast<size_t>(p - begin);
    if (length > 0) {
      const size_t room = limit - std::min(limit, field->size());
      if (length > room) *cut = true;
      field->append(begin, std::min(length, room));
      m_file.pos += length;
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
    --m_file.pos;
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
