// The parameter file "parameter.dat": the only channel from the front-end to
// a tool program. Line 1 is the input path, line 2 the output path, line 3
// one blank-separated parameter row of the tool's family.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/fileidentity.h"
#include "common/recordsettings.h"

namespace kelvarin {

inline constexpr const char* kParameterFileName = "parameter.dat";

// The line a tool program writes to its standard output once its run has
// reached the end of its input and its files are whole on disk, before OK:
// whoever started it then knows that a signal ending it later loses nothing.
inline constexpr const char* kRunFinishedLine = "The run is finished; its files are complete.\n";

// The line a tool program writes to its standard output as it makes or
// empties a file that its Stop would take back, before anything is written
// into it: "Run file <device> <inode>: <path>". Should a signal end the
// program before its run finishes, whoever started it takes back the files
// so named, and only those, while their names still hold them. A stop
// signal the program catches takes them back itself and says what became of
// each: "Run file removed <device> <inode>: <path>" (emptied, failed).
std::string RunFileLine(const std::string& path, FileId id);
// The word of such a line for what became of a file, or nullptr when no
// line is written (a file left alone). Safe in a signal handler.
const char* RunFileTakeBackWord(TakeBack result);
struct RunFile {
  std::string path;
  FileId id;
  bool takenBack = false;  // the program said what became of it
  TakeBack result = TakeBack::kLeftAlone;
};
// The run files a program's standard output names, in the order it told
// them, each with what it said became of it; other lines are passed over.
std::vector<RunFile> ParseRunFileLines(std::string_view output);

// The longest record the tool programs read; the wizards refuse a data file
// of longer records before a row is written.
inline constexpr int kMaxRecordLength = 1024;

// The parameter rows. Each holds the whole RecordSettings; the fields it
// carries, and their order, are those kRecordFields gives its row type, and
// every other value keeps its default.

// Row of the conversion programs: 18 fields.
struct ConversionRow : RecordSettings {};

// Row of the check program: 32 fields.
struct CheckRow : RecordSettings {
  // Field 31: nonzero writes a record to the error file once for each of its
  // errors, each time with that error's line; the row carries it in optionB.
  int32_t oneRecordPerError() const { return optionB; }
};

// Row of the multiple primaries program: 22 fields.
struct MultiplePrimaryRow : RecordSettings {};

// The rows as text, exactly as the front-end writes them (line end included).
std::string FormatRow(RowType type, const RecordSettings& settings);
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

// Whether a path can stand as one line of the parameter file: no LF or CR
// (which would part it into other lines or be lost with the line end) and
// no NUL (which ends a file name).
bool FitsParameterLine(const std::string& path);

// Writes the two path lines and, when row is not empty, the row line
// (which carries its own line end). Every step is checked: false when a
// path does not fit a line, when something other than a regular file stands
// at `path` (no open waits), or when the file cannot be created, written or
// closed.
bool WriteParameterFile(const std::string& path, const std::string& inputPath,
                        const std::string& outputPath, const std::string& row);

}  // namespace kelvarin
