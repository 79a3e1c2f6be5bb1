#include "tools/transfer/delimitedfile.h"

#include <algorithm>
#include <cstring>

#include "common/fileidentity.h"

namespace kelvarin {

namespace {
// The candidates in the order that settles a tie.
constexpr char kCandidates[] = {'\t', ',', '|', ';'};
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
// A field is read up to this many bytes beyond what it keeps: enough to see
// whether a UTF-8 character that begins before the cut is whole.
constexpr size_t kCutLookAhead = 3;

bool IsContinuation(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

// Length of the UTF-8 sequence that a lead byte begins; 0 when it is none.
size_t Utf8Length(unsigned char byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return 2;
  if (byte >= 0xE0 && byte <= 0xEF) return 3;
  if (byte >= 0xF0 && byte <= 0xF4) return 4;
  return 0;
}

// Where a value longer than `limit` bytes is cut: before a whole UTF-8
// sequence that would straddle the cut, otherwise at `limit`, so that
// Latin-1 values are cut as they always were.
size_t CutPoint(const std::string& value, size_t limit) {
  size_t j = limit;
  while (j > 0 && IsContinuation(static_cast<unsigned char>(value[j - 1]))) --j;
  if (j == 0) return limit;
  --j;  // the last byte before the cut that is not a continuation byte
  const size_t length = Utf8Length(static_cast<unsigned char>(value[j]));
  if (length == 0 || j + length <= limit || j + length > value.size()) return limit;
  for (size_t k = limit; k < j + length; ++k)
    if (!IsContinuation(static_cast<unsigned char>(value[k]))) return limit;
  return j;
}

}  // namespace

DelimitedFile::DelimitedFile(size_t bufferSize) : m_bufferSize(std::max<size_t>(bufferSize, 4)) {}

DelimitedFile::~DelimitedFile() { Close(); }

bool DelimitedFile::Open() {
  OpenForReading result;
  const int fd = OpenRegularFile(m_path, &result);
  if (fd < 0 || !m_file.Adopt(fd, m_bufferSize)) return false;
  m_fileLength = m_file.fileSize;
  m_file.limit = m_fileLength;
  m_linesEnded = m_recordStart = 0;
  m_read.Reset();
  return true;
}

void DelimitedFile::Close() { m_file.Close(); }

bool DelimitedFile::Ensure(size_t count) {
  while (m_file.end - m_file.pos < count) {
    if (!ReadMore()) return false;
  }
  return true;
}

bool DelimitedFile::ReadMore() {
  if (!m_file.isOpen() || m_file.failed || m_file.eof) return false;
  // Refill keeps the bytes not yet taken at the front; the new ones follow them.
  const size_t kept = m_file.end - m_file.pos;
  if (!m_file.Refill()) return false;
  m_read.Add(m_file.bytes.data() + kept, m_file.end - kept);
  return true;
}

bool DelimitedFile::Rewind() {
  if (!m_file.isOpen() || !m_file.Rewind()) return false;
  m_linesEnded = m_recordStart = 0;
  // The checksum starts again; the start of the file still in the buffer counts as read anew.
  m_read.Reset();
  m_read.Add(m_file.bytes.data(), m_file.end);
  if (Ensure(3) && std::memcmp(m_file.bytes.data() + m_file.pos, kByteOrderMark, 3) == 0)
    m_file.pos += 3;
  return !m_file.failed;
}

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
  // A byte-order mark is part of the sample, though not of its text.
  uint64_t taken = m_file.position();
  long long totals[4] = {};
  long long onLine[4] = {};   // on the line being read
  long long onFirst[4] = {};  // on the first line
  bool sameOnEach[4] = {true, true, true, true};
  long long lineEnds = 0;
  // As the reader reads a comma file: a quote opens a quoted stretch only
  // where a field begins (at the start, after a line end or after a comma);
  // inside it a doubled quote stays inside and a single one ends it, and the
  // field goes on unquoted. Any other quote is an ordinary byte.
  bool fieldStart = true;
  bool inQuotes = false;
  while (taken < sample) {
    const int c = Get();
    if (c < 0) break;
    ++taken;
    if (inQuotes) {
      if (c == '"') {
        if (taken < sample && Ensure(1) && m_file.bytes[m_file.pos] == '"') {
          ++m_file.pos;
          ++taken;
        } else {
          inQuotes = false;
        }
      }
      continue;
    }
    if (c == '"' && fieldStart) {
      inQuotes = true;
      fieldStart = false;
      continue;
    }
    fieldStart = c == ',' || c == '\r' || c == '\n';
    if (c == '\r' || c == '\n') {
      // A CR LF pair is one line end.
      if (c == '\r' && taken < sample && Ensure(1) && m_file.bytes[m_file.pos] == '\n') {
        ++m_file.pos;
        ++taken;
      }
      ++lineEnds;
      for (int k = 0; k < 4; ++k) {
        if (lineEnds == 1)
          onFirst[k] = onLine[k];
        else if (onLine[k] != onFirst[k])
          sameOnEach[k] = false;
        onLine[k] = 0;
      }
      continue;
    }
    for (int k = 0; k < 4; ++k) {
      if (c == kCandidates[k]) {
        ++totals[k];
        ++onLine[k];
      }
    }
  }
  if (!Rewind() || lineEnds == 0) return false;
  // A candidate as frequent on every line beats one that is not; then the
  // higher total wins, and a tie goes to the earlier candidate.
  int best = -1;
  for (int k = 0; k < 4; ++k) {
    if (totals[k] < 2 * lineEnds) continue;
    if (best < 0 || (sameOnEach[k] && !sameOnEach[best]) ||
        (sameOnEach[k] == sameOnEach[best] && totals[k] > totals[best]))
      best = k;
  }
  if (best < 0) return false;
  m_delimiter = kCandidates[best];
  return true;
}

bool DelimitedFile::SkipFinalLineEnd() {
  const size_t available = m_file.end - m_file.pos;
  if (available >= 3 || !m_file.eof) return false;
  const char* p = m_file.bytes.data() + m_file.pos;
  const bool lone = (available == 1 && (p[0] == '\n' || p[0] == '\r')) ||
                    (available == 2 && p[0] == '\r' && p[1] == '\n');
  if (lone) {
    m_file.pos += available;
    ++m_linesEnded;
  }
  return lone;
}

bool DelimitedFile::ReadRecord() {
  m_recordBytes = 0;
  m_fieldCount = 0;
  m_surplusFields = 0;
  m_joinedLineEnds = 0;
  m_unclosedQuoteLine = 0;
  if (m_delimiter == 0 || !m_file.isOpen() || m_file.failed) return false;
  Ensure(3);
  if (m_file.failed || m_file.pos == m_file.end || SkipFinalLineEnd()) return false;

  while (!ReadField()) {
  }
  // Fields the record does not reach read as ".".
  for (int i = m_fieldCount; i < m_dirtyFields; ++i) {
    m_fields[i].assign(1, '.');
    m_fieldCut[i] = false;
  }
  m_dirtyFields = m_fieldCount;
  // The first record's bytes include a byte-order mark before it.
  m_recordBytes = m_file.position() - m_recordStart;
  m_recordStart = m_file.position();
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

bool DelimitedFile::ReadUnquoted(size_t cap, std::string* field, bool* cut) {
  if (m_stopsFor != m_delimiter) {
    m_stops.fill(false);
    m_stops[static_cast<unsigned char>(m_delimiter)] = m_stops['\r'] = m_stops['\n'] = true;
    m_stopsFor = m_delimiter;
  }
  // Most fields end inside the buffer: taken here in one piece.
  const char* begin = m_file.bytes.data() + m_file.pos;
  const char* end = m_file.bytes.data() + m_file.end;
  const char* p = begin;
  while (p < end && !m_stops[static_cast<unsigned char>(*p)]) ++p;
  int c;
  if (p < end) {
    const size_t length = static_cast<size_t>(p - begin);
    if (length > 0) {
      const size_t room = cap - std::min(cap, field->size());
      if (length > room) *cut = true;
      field->append(begin, std::min(length, room));
    }
    m_file.pos += length + 1;
    c = static_cast<unsigned char>(*p);
  } else {
    if (!TakeRun(m_stops, cap, field, cut)) return true;  // the end of the file
    c = Get();
  }
  if (c == m_delimiter) return false;
  EndLine(c);
  return true;
}

bool DelimitedFile::ReadField() {
  const size_t limit = static_cast<size_t>(std::max(m_maxFieldLength + 5, 0));
  // Bytes kept while reading: the field and a few beyond it.
  const size_t cap = limit + kCutLookAhead;
  const bool surplus = m_fieldCount >= kMaxFields;
  std::string& field = surplus ? m_dropped : m_fields[m_fieldCount];
  field.clear();
  bool cut = false;
  bool recordEnds = false;
  auto store = [&](char c) {
    if (field.size() < cap)
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
    const uint64_t openingLine = m_linesEnded + 1;
    while (true) {
      if (!TakeRun(kQuotedStops, cap, &field, &cut)) {
        // The file ends inside the quotes.
        if (!m_file.failed) m_unclosedQuoteLine = openingLine;
        recordEnds = true;
        break;
      }
      c = Get();
      if (c != '"') {
        EndLine(c);
        m_joinedLineEnds += m_countStep;
        store(' ');
        continue;
      }
      // After the closing quote the next byte decides.
      const int next = Get();
      if (next < 0) {
        recordEnds = true;
        break;
      }
      if (next == '\r' || next == '\n') {
        EndLine(next);
        recordEnds = true;
        break;
      }
      if (next == ',') break;
      if (next == '"') {
        store('\'');  // a doubled quote; the field stays quoted
        continue;
      }
      store(static_cast<char>(next));
      recordEnds = ReadUnquoted(cap, &field, &cut);
      break;
    }
  } else if (c < 0) {
    recordEnds = true;  // an empty last field at the end of the file
  } else {
    --m_file.pos;
    recordEnds = ReadUnquoted(cap, &field, &cut);
  }

  if (field.size() > limit) {
    field.resize(CutPoint(field, limit));
    cut = true;
  }
  if (surplus) {
    m_surplusFields += m_countStep;
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
