// The record reader over any bytes and a buffer of any size (the first byte
// chooses it, so that the buffer's edges fall everywhere): the records are
// the lines as a plain reading splits them, at their offsets.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/recordreader.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace kelvarin;

namespace {

struct Line {
  std::string record;
  uint64_t offset;
};

// A record ends at LF, CR LF or a CR alone; a last line without its end counts.
std::vector<Line> PlainSplit(const std::string& bytes) {
  std::vector<Line> lines;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\n' && bytes[i] != '\r') continue;
    lines.push_back({bytes.substr(start, i - start), start});
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back({bytes.substr(start), start});
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const int fd = ::memfd_create("records", 0);
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  fuzz::Require(::ftruncate(fd, 0) == 0, "the file empties");
  fuzz::Require(::pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()),
                "the file is written");

  RecordReader reader(1 + data[0] % 64);
  fuzz::Require(reader.Open(path), "the file opens");
  const std::vector<Line> expected = PlainSplit(bytes);
  size_t n = 0;
  std::string_view record;
  while (reader.Next(&record)) {
    fuzz::Require(n < expected.size(), "no record beyond the lines");
    fuzz::Require(record == expected[n].record, "each record is its line");
    fuzz::Require(reader.recordOffset() == expected[n].offset, "each record at its offset");
    std::string again;
    fuzz::Require(reader.ReadAt(expected[n].offset, record.size(), &again) && again == record,
                  "a record reads again at its offset");
    ++n;
  }
  fuzz::Require(!reader.failed() && n == expected.size(), "every line is a record");
  return 0;
}
