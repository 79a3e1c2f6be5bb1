// What sets the eight conversion programs apart in their frame: one
// descriptor per program, chosen by the program's main.
#pragma once

#include "tools/convert/common/outputforms.h"

namespace kelvarin {

// The estimate of the number of records in the input for the progress bar.
enum class ProgressDivisor {
  kRecordLength,            // file size / record length (the six older programs)
  kRecordLengthAndLineEnd,  // file size / (record length + kCrLfLineEnd), as the check program
};

// The layout of the progress dialog.
enum class ConversionDialogLayout {
  kStandard,  // four file lines, three counters
  kCompact,   // no warning file line and no warnings counter, lines spread out
};

struct ConversionProgram {
  const char* name;           // executable name and dialog caption ("Gorvat")
  const char* programTitle;   // report title line and painted title ("ICD-O-2 to ICD-O-3")
  const char* errorSuffix;    // ".eGorvat"
  const char* warningSuffix;  // ".wGorvat"; nullptr when no warning file name is derived
  bool writesWarningFile;     // false: no warning file is opened, written or counted into
  const char* targetName;     // the classification named in the error-file header
  int rowFieldCount;          // fields of the conversion row the program scans (16 or 18)
  bool readsMorphology;       // the record has morphology and behaviour fields
  bool readsGrade;            // the record may have a grade field
  ReplaceForm replaceForm;    // what optionA nonzero puts in place (kNone: always append)
  ProgressDivisor progressDivisor;
  ConversionDialogLayout dialogLayout;
  int timerPeriodMs;   // period of the progress dialog's timer
  int recordsPerTick;  // records handled per timer tick at most
};

// The eight programs, in alphabetical order.
inline constexpr int kConversionProgramCount = 8;
extern const ConversionProgram ConversionPrograms[kConversionProgramCount];

// The descriptor of the program of this name, or nullptr.
const ConversionProgram* FindConversionProgram(const char* name);

}  // namespace kelvarin
