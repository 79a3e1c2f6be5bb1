// The description of the current job: what the tool programs are told about
// the records (the columns of every variable, the coding conventions, the
// options), the paths and a preview of the input file. The application owns
// one; every wizard works on a copy. Standard C++: the wizards' rules and
// pages and the application share it.
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

// Every member back to its initial value, as at every start of the
// front-end: every column pair and both date formats undefined, the default
// codes and options, the layout-page state and the preview cleared. The four
// paths are left as they are.
void SetStartupDefaults(JobSettings& job);

// What a run command takes back from its finished wizard: the four paths,
// and every value the command's parameter row carries (the columns, codes,
// options, record length and file size of its fields). Nothing else
// changes: the preview and the layout-page state stay.
void CopyBack(const JobSettings& sheet, JobSettings& job, RowType row);
// The four paths alone: what a command without a parameter row takes back.
void CopyBackPaths(const JobSettings& sheet, JobSettings& job);

}  // namespace kelvarin
