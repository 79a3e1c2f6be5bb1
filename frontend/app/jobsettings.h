// The description of the current job: what the tool programs are told about
// the records (the columns of every variable, the coding conventions, the
// options), the paths and a preview of the input file. The application owns
// one; every wizard works on a copy.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/recordsettings.h"

namespace kelvarin {

inline constexpr int kPreviewLines = 12;

struct JobSettings : RecordSettings {
  int32_t conversionIndex = 0;

  // Layout-page state: copied into a sheet, never back.
  int32_t scrollColumn = 0;
  int32_t selectedVariable = 0;
  int32_t pendingMarker = -1;

  int32_t previewLineCount = 0;
  int32_t firstRowHasNames = 0;
  std::array<int32_t, kPreviewLines> previewLineLengths{};
  std::array<std::string, kPreviewLines> previewLines;  // raw bytes of the first lines

  std::string inputFile;
  std::string outputFile;
  std::string inputFolder;
  std::string outputFolder;
};

}  // namespace kelvarin
