// The delimited-text reader and the file transfer over any bytes, checked
// against a plain byte-by-byte reading of the same rules: the delimiter,
// each record's fields, bytes, line breaks inside quotes and unclosed quote.
// Every record takes at least one byte, no field keeps more than 20 bytes,
// every record read is written (the header aside), and the output is the
// fixed-width rendering of those fields in their measured widths.
//
// The first byte chooses the first-row-has-names flag, the engine's batch
// size and the readers' buffer size (so that the buffer's edges fall
// everywhere); the second the columns to write (bit 7: column 99, which no
// short record reaches). The rest is the input file.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/fuzz/fuzzsupport.h"
#include "tools/transfer/delimitedfile.h"
#include "tools/transfer/transferengine.h"
#include "tools/transfer/transferpreview.h"

using namespace kelvarin;

namespace {

constexpr size_t kKept = 20;  // bytes a field keeps

struct PlainRecord {
  std::vector<std::string> values;  // whole, before any cut
  size_t bytes = 0;
  int joined = 0;
  uint64_t unclosedLine = 0;
};

bool HasByteOrderMark(const std::string& file) { return file.compare(0, 3, "\xEF\xBB\xBF") == 0; }

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The candidate found in the first 5000 bytes, 0 for none.
char PlainDelimiter(const std::string& file) {
  const std::string candidates = "\t,|;";
  const size_t sample = std::min<size_t>(5000, file.size());
  std::vector<std::array<long, 4>> lines;
  std::array<long, 4> line{}, totals{};
  // A quote opens a quoted stretch only where a field may begin: first in
  // the sample, after a line end, after a comma outside quotes.
  bool quoted = false;
  bool mayOpen = true;
  for (size_t i = HasByteOrderMark(file) ? 3 : 0; i < sample; ++i) {
    const char c = file[i];
    if (quoted) {
      const bool doubled = c == '"' && i + 1 < sample && file[i + 1] == '"';
      if (doubled) ++i;
      quoted = c != '"' || doubled;
      continue;
    }
    if (c == '"' && mayOpen) {
      quoted = true;
      mayOpen = false;
      continue;
    }
    mayOpen = c == ',' || IsLineEnd(c);
    if (IsLineEnd(c)) {
      if (c == '\r' && i + 1 < sample && file[i + 1] == '\n') ++i;
      lines.push_back(line);
      line = {};
      continue;
    }
    const size_t k = candidates.find(c);
    if (k != std::string::npos) {
      ++line[k];
      ++totals[k];
    }
  }
  if (lines.empty()) return 0;
  int best = -1;
  bool bestSame = false;
  for (int k = 0; k < 4; ++k) {
    if (totals[k] < 2 * static_cast<long>(lines.size())) continue;
    bool same = true;
    for (const auto& counts : lines) same = same && counts[k] == lines[0][k];
    if (best < 0 || (same && !bestSame) || (same == bestSame && totals[k] > totals[best])) {
      best = k;
      bestSame = same;
    }
  }
  return best < 0 ? 0 : candidates[static_cast<size_t>(best)];
}

// The records as the rules read them.
std::vector<PlainRecord> PlainRecords(const std::string& file, char delimiter) {
  std::vector<PlainRecord> records;
  const size_t n = file.size();
  size_t i = HasByteOrderMark(file) ? 3 : 0;
  size_t recordStart = 0;
  uint64_t line = 1;
  auto takeLineEnd = [&] {
    if (file[i] == '\r' && i + 1 < n && file[i + 1] == '\n') ++i;
    ++i;
    ++line;
  };
  while (true) {
    // What is left is nothing, or a line end that closes the file.
    const size_t left = n - i;
    if (left == 0 || (left == 1 && IsLineEnd(file[i])) ||
        (left == 2 && file.compare(i, 2, "\r\n") == 0))
      break;
    PlainRecord record;
    bool recordEnds = false;
    // The end of the file, the terminator or a line end ends the field
    // (all but the terminator end the record too); each is taken.
    auto fieldEnds = [&](char terminator) {
      if (i >= n || IsLineEnd(file[i])) {
        if (i < n) takeLineEnd();
        recordEnds = true;
        return true;
      }
      if (file[i] != terminator) return false;
      ++i;
      return true;
    };
    while (!recordEnds) {
      std::string value;
      bool unquoted = true;
      if (i < n && file[i] == '"' && delimiter == ',') {
        unquoted = false;
        const uint64_t opening = line;
        ++i;
        while (true) {
          if (i >= n) {
            record.unclosedLine = opening;
            recordEnds = true;
            break;
          }
          if (IsLineEnd(file[i])) {
            takeLineEnd();
            ++record.joined;
            value += ' ';
            continue;
          }
          if (file[i++] != '"') {
            value += file[i - 1];
            continue;
          }
          // After the closing quote.
          if (fieldEnds(',')) break;
          value += file[i] == '"' ? '\'' : file[i];
          ++i;
          if (file[i - 1] == '"') continue;
          unquoted = true;
          break;
        }
      }
      while (unquoted && !fieldEnds(delimiter)) value += file[i++];
      record.values.push_back(value);
    }
    record.bytes = i - recordStart;
    recordStart = i;
    records.push_back(record);
  }
  return records;
}

bool Continues(const std::string& value, size_t at) {
  const auto byte = static_cast<unsigned char>(value[at]);
  return byte >= 0x80 && byte <= 0xBF;
}

// A value as it is kept: at most 20 bytes, cut before a whole UTF-8
// character that would straddle byte 20.
std::string Kept(const std::string& value) {
  if (value.size() <= kKept) return value;
  int j = static_cast<int>(kKept) - 1;
  while (j >= 0 && Continues(value, static_cast<size_t>(j))) --j;
  if (j < 0) return value.substr(0, kKept);
  const auto lead = static_cast<unsigned char>(value[static_cast<size_t>(j)]);
  const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
  const size_t end = static_cast<size_t>(j) + length;
  if (length == 0 || end <= kKept || end > value.size()) return value.substr(0, kKept);
  for (size_t k = static_cast<size_t>(j) + 1; k < end; ++k)
    if (!Continues(value, k)) return value.substr(0, kKept);
  return value.substr(0, static_cast<size_t>(j));
}

int MemoryFile(const char* name) {
  const int fd = ::memfd_create(name, 0);
  fuzz::Require(fd >= 0, "a memory file opens");
  return fd;
}

void Put(int fd, const std::string& bytes) {
  fuzz::Require(::ftruncate(fd, 0) == 0, "the file empties");
  fuzz::Require(::pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()),
                "the file is written");
}

std::string Get(int fd) {
  std::string bytes(static_cast<size_t>(::lseek(fd, 0, SEEK_END)), '\0');
  fuzz::Require(::pread(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()),
                "the file is read");
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static const int inputFd = MemoryFile("input");
  static const int outputFd = MemoryFile("output");
  static const std::string input = "/proc/self/fd/" + std::to_string(inputFd);
  static const std::string output = "/proc/self/fd/" + std::to_string(outputFd);
  const bool names = data[0] & 1;
  const int batch = std::array<int, 4>{1, 3, 7, kTransferBatch}[(data[0] >> 1) & 3];
  std::vector<int> columns;
  for (int k = 0; k < 7; ++k)
    if (data[1] & (1 << k)) columns.push_back(k);
  if (data[1] & 0x80) columns.push_back(kMaxFields - 1);
  if (columns.empty()) columns.push_back(0);
  const std::string file(reinterpret_cast<const char*>(data) + 2, size - 2);
  Put(inputFd, file);
  const std::string before = "an earlier output\n";
  Put(outputFd, before);

  // The reader against the plain reading.
  const size_t bufferSize = 4 + (data[0] >> 3) * 4;
  DelimitedFile reader(bufferSize);
  reader.m_path = input;
  fuzz::Require(reader.Open(), "the input opens");
  const bool prepared = reader.Prepare();
  const char delimiter = PlainDelimiter(file);
  fuzz::Require(prepared == (delimiter != 0) && reader.m_delimiter == delimiter,
                "the delimiter is the one the rules find");
  const std::vector<PlainRecord> records =
      delimiter ? PlainRecords(file, delimiter) : std::vector<PlainRecord>();
  size_t read = 0;
  while (reader.ReadRecord()) {
    fuzz::Require(read < records.size(), "no record beyond the plain reading");
    const PlainRecord& plain = records[read++];
    fuzz::Require(reader.m_recordBytes >= 1, "every record takes at least one byte");
    fuzz::Require(reader.m_recordBytes == plain.bytes, "a record takes its bytes");
    const size_t fields = std::min<size_t>(plain.values.size(), kMaxFields);
    fuzz::Require(static_cast<size_t>(reader.m_fieldCount) == fields &&
                      static_cast<size_t>(reader.m_surplusFields) == plain.values.size() - fields,
                  "a record has its fields");
    for (size_t f = 0; f < fields; ++f) {
      const std::string& value = reader.m_fields[f];
      fuzz::Require(value.size() <= kKept, "no field keeps more than 20 bytes");
      fuzz::Require(value == Kept(plain.values[f]), "a field keeps its value");
      fuzz::Require(reader.m_fieldCut[f] == (plain.values[f].size() > kKept), "a cut is told");
      fuzz::Require(!IsValidUtf8(plain.values[f]) || IsValidUtf8(value),
                    "a UTF-8 value stays UTF-8 when cut");
    }
    fuzz::Require(reader.m_joinedLineEnds == plain.joined, "line breaks inside quotes counted");
    fuzz::Require(reader.m_unclosedQuoteLine == plain.unclosedLine, "an unclosed quote is found");
  }
  fuzz::Require(!reader.failed() && read == records.size(), "every record is read");
  reader.Close();

  // The transfer against a rendering of those records.
  TransferEngine engine(bufferSize);
  if (!engine.Start(input, output, names, columns)) {
    fuzz::Require(delimiter == 0 && engine.message() == "Cannot find a field delimiter!",
                  "only a file without a delimiter is refused");
    fuzz::Require(Get(outputFd) == before, "a refusal writes nothing");
    return 0;
  }
  fuzz::Require(delimiter != 0, "a file without a delimiter is refused");
  while (engine.running()) engine.Step(batch);
  if (!records.empty() && records.back().unclosedLine > 0) {
    fuzz::Require(engine.state() == TransferState::kFailed &&
                      engine.unclosedQuoteLine() == records.back().unclosedLine,
                  "an unclosed quote stops the transfer");
    fuzz::Require(Get(outputFd) == before, "an unclosed quote writes nothing");
    return 0;
  }
  fuzz::Require(engine.state() == TransferState::kDone && engine.Progress() == 100,
                "the transfer ends");

  std::sort(columns.begin(), columns.end());
  std::array<size_t, kMaxFields> widths{};
  for (const PlainRecord& record : records)
    for (size_t f = 0; f < std::min<size_t>(record.values.size(), kMaxFields); ++f)
      widths[f] = std::max(widths[f], Kept(record.values[f]).size());
  const size_t first = names && !records.empty() ? 1 : 0;
  std::string expected;
  long long joined = 0;
  long long cut = 0;
  for (size_t r = first; r < records.size(); ++r) {
    const std::vector<std::string>& values = records[r].values;
    for (int column : columns) {
      const size_t width = widths[static_cast<size_t>(column)] + 2;
      const auto c = static_cast<size_t>(column);
      const std::string value = c < values.size() ? Kept(values[c]) : std::string();
      expected += std::string(width - value.size(), ' ') + value;
      cut += c < values.size() && values[c].size() > kKept;
    }
    expected += '\n';
    joined += records[r].joined;
  }
  fuzz::Require(engine.recordsWritten() == static_cast<long long>(records.size() - first),
                "every record read is written, the header aside");
  fuzz::Require(engine.lineEndsJoined() == joined, "line breaks written are counted");
  fuzz::Require(engine.valuesCut() == cut, "values cut are counted");
  fuzz::Require(Get(outputFd) == expected, "the output is the rendering of the fields");
  return 0;
}
