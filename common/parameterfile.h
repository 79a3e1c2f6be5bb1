// The parameter file "parameter.dat": the only channel from the front-end to
// a tool program. Line 1 is the input path, line 2 the output path, line 3
// one blank-separated parameter row of the tool's family.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvarin {

inline constexpr const char* kParameterFileName = "parameter.dat";

// The longest record the tool programs read; the wizards refuse a data file
// of longer records before a row is written.
inline constexpr int kMaxRecordLength = 1024;

// Row type numbers as the front-end's commands choose them.
enum RowType { kConversionRowType = 0, kCheckRowType = 1, kMultiplePrimaryRowType = 2 };

// Row of the conversion programs: 18 fields.
struct ConversionRow {
  int regNoStart = -1, regNoEnd = -1;
  int sexStart = -1, sexEnd = -1;
  int topographyStart = -1, topographyEnd = -1;
  int histologyStart = -1, histologyEnd = -1;
  int behaviourStart = -1, behaviourEnd = -1;
  int gradeStart = -1, gradeEnd = -1;
  char maleCode = '1', femaleCode = '2';
  int recordLength = 0;
  uint64_t fileSize = 0;
  int optionA = 0;  // nonzero: the converted codes replace the input codes
  int optionB = 0;
};

// Row of the check program: 32 fields.
struct CheckRow {
  int regNoStart = -1, regNoEnd = -1;
  int sexStart = -1, sexEnd = -1;
  int topographyStart = -1, topographyEnd = -1;
  int histologyStart = -1, histologyEnd = -1;
  int behaviourStart = -1, behaviourEnd = -1;
  int gradeStart = -1, gradeEnd = -1;
  int basisStart = -1, basisEnd = -1;
  int ageStart = -1, ageEnd = -1;
  int birthDateStart = -1, birthDateEnd = -1, birthDateFormat = -1;
  int incidenceDateStart = -1, incidenceDateEnd = -1, incidenceDateFormat = -1;
  char microscopicCodes[4] = {'5', '6', '7', '7'};
  char maleCode = '1', femaleCode = '2';
  int recordLength = 0;
  uint64_t fileSize = 0;
  int oneRecordPerError = 0;
  std::string ageUnknownCode = "999";  // may be empty
};

// Row of the multiple primaries program: 22 fields.
struct MultiplePrimaryRow {
  int regNoStart = -1, regNoEnd = -1;
  int seqNoStart = -1, seqNoEnd = -1;
  int sexStart = -1, sexEnd = -1;
  int topographyStart = -1, topographyEnd = -1;
  int histologyStart = -1, histologyEnd = -1;
  int behaviourStart = -1, behaviourEnd = -1;
  int incidenceDateStart = -1, incidenceDateEnd = -1, incidenceDateFormat = -1;
  char maleCode = '1', femaleCode = '2';
  int includeBrain = 0;
  int includeBladder = 1;
  int duplicatesToFile = 1;
  int recordLength = 0;
  uint64_t fileSize = 0;
};

// The rows as text, exactly as the front-end writes them (line end included).
std::string FormatRow(const ConversionRow& row);
std::string FormatRow(const CheckRow& row);
std::string FormatRow(const MultiplePrimaryRow& row);

// Parses a row line. On failure returns false and sets *error to a message
// for the user. A row with fewer fields than the reader needs is a failure;
// the check row's last field (the age-unknown code) may be empty.
// `fieldsNeeded` lets a reader take fewer fields than the row holds (a
// conversion program that uses only the first 16 fields); 0 means all.
bool ParseRow(const std::string& line, ConversionRow* row, std::string* error,
              int fieldsNeeded = 0);
bool ParseRow(const std::string& line, CheckRow* row, std::string* error);
bool ParseRow(const std::string& line, MultiplePrimaryRow* row, std::string* error);

// The three lines of the file as read: whole lines of any length, with only
// the line end (LF or CR LF) removed.
struct ParameterFileLines {
  std::string inputPath;
  std::string outputPath;
  std::string row;
};

enum class ParameterFileStatus {
  kOk,
  kCannotOpen,  // missing, unreadable, or not a regular file
  kIncomplete,  // fewer than three lines
  kReadError,
  kTooLarge,   // the three lines do not end within kMaxParameterFileBytes
  kNulInPath,  // a path line holds a NUL character, which no file name can
};

// The three lines of a parameter file lie within its first 64 KiB.
inline constexpr std::size_t kMaxParameterFileBytes = 64 * 1024;

// Reads the three lines of a regular file. kIncomplete when a line is
// missing (a last line without line end still counts).
ParameterFileStatus ReadParameterFile(const std::string& path, ParameterFileLines* lines);
// The three lines from the file's first bytes; moreBeyond tells that the file
// goes on past them.
ParameterFileStatus SplitParameterLines(std::string_view text, bool moreBeyond,
                                        ParameterFileLines* lines);

// Writes the two path lines and, when row is not empty, the row line
// (which carries its own line end). Every step is checked: false when the
// file cannot be created, written or closed.
bool WriteParameterFile(const std::string& path, const std::string& inputPath,
                        const std::string& outputPath, const std::string& row);

}  // namespace kelvarin
