#include "common/inputfileprobe.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

#include "common/fileidentity.h"

namespace kelvarin {

namespace {

std::string CannotOpenMessage(const std::string& path) { return path + ":\r\ncannot open file."; }

// Reads a file byte by byte up to the size taken before, counting the bytes
// and folding LF, CR and CR LF into one line end.
class LineEndReader {
 public:
  enum Kind { kByte, kLineEnd, kEnd };

  LineEndReader(std::FILE* file, uint64_t size) : m_file(file), m_size(size) {}

  Kind Next(char* byte) {
    if (m_count >= m_size) return kEnd;
    const int c = std::getc(m_file);
    if (c == EOF) {  // the file shrank since its size was taken
      m_count = m_size;
      return kEnd;
    }
    ++m_count;
    if (c == '\n') return kLineEnd;
    if (c == '\r') {
      const int next = std::getc(m_file);
      if (next == '\n')
        ++m_count;
      else if (next != EOF)
        std::ungetc(next, m_file);
      return kLineEnd;
    }
    *byte = static_cast<char>(c);
    return kByte;
  }

  bool AtEnd() const { return m_count >= m_size; }

 private:
  std::FILE* m_file;
  uint64_t m_size;
  uint64_t m_count = 0;
};

int32_t ClampLength(int64_t length) {
  return length > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                      : static_cast<int32_t>(length);
}

}  // namespace

std::FILE* CInputFileProbe::OpenProbedFile(const std::string& path, int* result) {
  OpenForReading opened;
  const int fd = OpenRegularFile(path, &opened);
  struct stat info {};
  std::FILE* file = nullptr;
  if (fd >= 0 && ::fstat(fd, &info) == 0) file = ::fdopen(fd, "rb");
  if (file == nullptr) {
    if (fd >= 0) ::close(fd);
    std::error_code error;
    *result = std::filesystem::exists(path, error) ? kProbeCannotOpen : kProbeMissing;
    m_message = CannotOpenMessage(path);
    return nullptr;
  }
  fileSize = static_cast<uint64_t>(info.st_size);
  *result = kProbeOk;
  return file;
}

int CInputFileProbe::DetectRecordLength(std::string path) {
  m_message.clear();
  int result = kProbeOk;
  std::FILE* file = OpenProbedFile(path, &result);
  if (file == nullptr) return result;

  std::array<int32_t, kProbeMeasuredLines> lineLengths{};
  int stored = 0;
  int32_t reference = 0;
  bool differs = false;
  LineEndReader reader(file, fileSize);
  for (;;) {
    int64_t characters = 0;
    char byte;
    for (;;) {
      const LineEndReader::Kind kind = reader.Next(&byte);
      if (kind == LineEndReader::kEnd) break;
      if (kind == LineEndReader::kLineEnd) {
        lineLengths[stored++] = ClampLength(characters);
        break;
      }
      ++characters;
    }
    // The reference is the first non-empty line; a last line without a line
    // end is compared although it is not stored.
    if (reference == 0)
      reference = ClampLength(characters);
    else if (ClampLength(characters) != reference)
      differs = true;
    if (reader.AtEnd() || stored == kProbeMeasuredLines) break;
  }
  std::fclose(file);

  // The most frequent length; of two equally frequent lengths the one whose
  // last line comes later wins. A file without a line end holds one record.
  recordLength = stored == 0 ? reference : 0;
  int best = 0;
  for (int i = 0; i < stored; ++i) {
    int count = 0;
    for (int j = 0; j < stored; ++j)
      if (lineLengths[j] == lineLengths[i]) ++count;
    if (count >= best) {
      best = count;
      recordLength = lineLengths[i];
    }
  }
  return differs ? kProbeLengthsDiffer : kProbeOk;
}

int CInputFileProbe::LoadPreview(std::string path) {
  m_message.clear();
  int result = kProbeOk;
  std::FILE* file = OpenProbedFile(path, &result);
  if (file == nullptr) return result;
  previewLineCount = 0;
  previewLineLengths.fill(0);
  for (std::string& line : previewLines) line.clear();
  longestPreviewLine = 0;

  LineEndReader reader(file, fileSize);
  for (;;) {
    std::string& line = previewLines[static_cast<size_t>(previewLineCount)];
    char byte;
    const LineEndReader::Kind kind = reader.Next(&byte);
    if (kind == LineEndReader::kByte) {
      if (static_cast<int>(line.size()) == kProbeLongestPreviewLine) {
        std::fclose(file);
        m_message = path + ":\r\nline " + std::to_string(previewLineCount + 1) +
                    " is longer than " + std::to_string(kProbeLongestPreviewLine) + " characters.";
        return kProbeCannotOpen;
      }
      line.push_back(byte);
      continue;
    }
    previewLineLengths[static_cast<size_t>(previewLineCount)] = static_cast<int32_t>(line.size());
    ++previewLineCount;
    if (kind == LineEndReader::kEnd || previewLineCount == kProbePreviewLines || reader.AtEnd())
      break;
  }
  std::fclose(file);
  for (int i = 0; i < previewLineCount; ++i)
    if (previewLineLengths[static_cast<size_t>(i)] > longestPreviewLine)
      longestPreviewLine = previewLineLengths[static_cast<size_t>(i)];
  return kProbeOk;
}

}  // namespace kelvarin
