// Accepts an input data file for a wizard: finds its record length (the most
// frequent line length among the first lines) and loads the first lines as a
// preview for the layout page. A line ends with LF, CR or CR LF; line ends
// are never part of a line. The probe never shows anything itself: what the
// user must be told is left in message(), for the information icon.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace kelvarin {

inline constexpr int kProbeMeasuredLines = 500;
inline constexpr int kProbePreviewLines = 12;
inline constexpr int kProbeLongestPreviewLine = 1025;

class CInputFileProbe {
 public:
  enum Result {
    kProbeOk = 0,
    kProbeLengthsDiffer = 1,  // DetectRecordLength only
    kProbeMissing = 2,
    kProbeCannotOpen = 3,  // also: not a regular file, a preview line too long
  };

  // Measures the first lines. 0: every measured line has the length of the
  // first non-empty one; 1: some line differs. Sets recordLength and fileSize.
  // A file without any line end holds one record: its length is the line's.
  int DetectRecordLength(std::string path);

  // Loads the first lines (at most kProbeLongestPreviewLine bytes each) into
  // previewLines. Sets fileSize, previewLineCount, previewLineLengths and
  // longestPreviewLine.
  int LoadPreview(std::string path);

  // What the last call wants the user to read; empty when nothing.
  const std::string& message() const { return m_message; }

  int32_t recordLength = 0;
  int32_t previewLineCount = 0;
  int32_t longestPreviewLine = 0;
  std::array<int32_t, kProbePreviewLines> previewLineLengths{};
  std::array<std::string, kProbePreviewLines> previewLines;  // raw bytes of each line
  uint64_t fileSize = 0;

 private:
  // Opens a regular file for reading, without waiting on it, and takes its
  // size; on failure leaves the message, sets *result and returns nullptr.
  std::FILE* OpenProbedFile(const std::string& path, int* result);

  std::string m_message;
};

}  // namespace kelvarin
