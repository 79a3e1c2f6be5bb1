// The description of the current job: the columns of every variable in the
// records, the coding conventions, the options, the paths and a preview of
// the input file. The application owns one; every wizard works on a copy.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kelvarin {

inline constexpr int kPreviewLines = 12;
inline constexpr int kPreviewLineSize = 1031;

struct JobSettings {
  // Column pairs: 1-based, inclusive; -1 = the variable is not in the records.
  int32_t regNoStart = -1;
  int32_t regNoEnd = -1;
  int32_t seqNoStart = -1;
  int32_t seqNoEnd = -1;
  int32_t sexStart = -1;
  int32_t sexEnd = -1;
  int32_t topographyStart = -1;
  int32_t topographyEnd = -1;
  int32_t histologyStart = -1;
  int32_t histologyEnd = -1;
  int32_t behaviourStart = -1;
  int32_t behaviourEnd = -1;
  int32_t gradeStart = -1;
  int32_t gradeEnd = -1;
  int32_t basisStart = -1;
  int32_t basisEnd = -1;
  int32_t ageStart = -1;
  int32_t ageEnd = -1;
  int32_t birthDateStart = -1;
  int32_t birthDateEnd = -1;
  int32_t birthDateFormat = -1;  // stored date-format index; -1 = none chosen
  int32_t incidenceDateStart = -1;
  int32_t incidenceDateEnd = -1;
  int32_t incidenceDateFormat = -1;

  int32_t optionB = 0;  // conversion: second option; check: one line per error
  int32_t optionA = 0;  // conversion: nonzero replaces the codes in the record
  int32_t includeBrain = 0;
  int32_t includeBladder = 1;
  int32_t duplicatesToFile = 1;
  std::array<char, 4> microscopicCodes{{'5', '6', '7', '7'}};
  std::string ageUnknownCode = "999";  // at most 3 characters
  char maleCode = '1';
  char femaleCode = '2';
  int32_t conversionIndex = 0;

  // Layout-page state: copied into a sheet, never back.
  int32_t scrollColumn = 0;
  int32_t selectedVariable = 0;
  int32_t pendingMarker = -1;

  int32_t recordLength = 0;  // line end excluded
  int32_t previewLineCount = 0;
  int32_t firstRowHasNames = 0;
  std::array<int32_t, kPreviewLines> previewLineLengths{};
  std::array<std::string, kPreviewLines> previewLines;  // raw bytes of the first lines
  uint64_t fileSize = 0;

  std::string inputFile;
  std::string outputFile;
  std::string inputFolder;
  std::string outputFolder;
};

}  // namespace kelvarin
