// Layout definition files: the binary files kept beside an input data file
// so that the next run on it starts from the same columns and codes. The
// check wizard keeps a ".frm" file, the multiple-primary wizard a ".mpr"
// file, the conversion wizard a ".dfi" file. What each holds, in file order,
// is given by the places of kRecordFields (common/recordsettings.h): the
// column pairs of its variables in its list order, the date formats of those
// that are dates, the codes and texts, then a conversion page's option words.
// Integers are signed 32-bit little-endian; a column pair is (first column,
// last column), 1-based and inclusive, -1 for a variable that is not
// defined; a code character is followed by one zero byte; a text takes four
// bytes, its characters then zero bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/recordsettings.h"

namespace kelvarin {

// The definition file's name for an input file, beside it: the text before
// the last '.' of the file name (when that '.' is not its first character)
// followed by the suffix, else the whole path followed by the suffix. Folder
// names never count.
std::string LayoutFileName(const std::string& inputFile, const std::string& suffix);
// The same with the file's own suffix: ".frm", ".mpr" or ".dfi".
std::string LayoutFileName(const std::string& inputFile, LayoutFile file);
const char* LayoutFileSuffix(LayoutFile file);

// Whether c can stand as a code in a layout file and in a parameter row:
// a byte that is neither blank, nor a control character, nor DEL.
bool IsCodeCharacter(char c);
// Whether a text can stand as the age-unknown code: at most 3 code
// characters; an empty code matches no age field.
bool IsAgeUnknownCode(const std::string& text);

// The option words a conversion layout page keeps after the codes, 4 bytes
// each, in the order of its option boxes; the other files have none.
using OptionWords = std::vector<int32_t RecordSettings::*>;

// The size of a layout file's record.
constexpr size_t LayoutFileSize(LayoutFile file, size_t optionWords = 0) {
  size_t size = 4 * optionWords;
  for (const RecordField& field : kRecordFields) {
    if (field.PlaceIn(file) < 0) continue;
    switch (field.kind) {
      case RecordField::Kind::kDateColumns:
        size += 4;
        [[fallthrough]];
      case RecordField::Kind::kColumns:
        size += 8;
        break;
      case RecordField::Kind::kCode:
        size += 2;
        break;
      case RecordField::Kind::kCodes:
        size += 8;
        break;
      case RecordField::Kind::kNumber:
      case RecordField::Kind::kText:
        size += 4;
        break;
      case RecordField::Kind::kSize:
        break;  // never in a layout file
    }
  }
  return size;
}

// The longest file of a kind: a conversion page keeps at most its two
// option words. A longer file, or anything but a regular file, cannot be a
// layout file: it is never read, removed or written over.
constexpr size_t LongestLayoutFileSize(LayoutFile file) {
  return LayoutFileSize(file, file == LayoutFile::kConversion ? 2 : 0);
}

inline constexpr int kCheckLayoutVariables = LayoutVariableCount(LayoutFile::kCheck);
inline constexpr size_t kCheckLayoutFileSize = LayoutFileSize(LayoutFile::kCheck);
inline constexpr size_t kMultiplePrimaryLayoutFileSize =
    LayoutFileSize(LayoutFile::kMultiplePrimary);

// The record of a layout file, taken from `values` (the option words from
// the members `words` names).
std::vector<uint8_t> EncodeLayout(LayoutFile file, const RecordSettings& values,
                                  const OptionWords& words = {});

// Takes from the bytes of a definition file, in file order, every field the
// bytes hold whole into `values`; the fields beyond a short file keep their
// values. Returns true when the bytes held the whole record. A text's first
// three bytes are taken as they stand, zero bytes too, so that the record
// writes back as it was read; its fourth byte always counts as 0.
bool DecodeLayout(LayoutFile file, const std::vector<uint8_t>& bytes, RecordSettings& values,
                  const OptionWords& words = {});

// The column pairs of a layout file's variables in its list order (first,
// last, first, last, ...), and the same pairs put back into `values`.
std::vector<int32_t> LayoutPairs(LayoutFile file, const RecordSettings& values);
void SetLayoutPairs(LayoutFile file, const std::vector<int32_t>& pairs, RecordSettings& values);

// Takes into `to` what a layout file holds besides its column pairs, from
// `from` (the values a definition file brought): the date formats and the
// option words as they stand; a code, or the age-unknown code up to its
// first zero byte, only where it can stand as one in a parameter row, so
// that the row always reads back; otherwise `to` keeps its own.
void TakeLayoutValues(LayoutFile file, const RecordSettings& from, RecordSettings& to,
                      const OptionWords& words = {});

enum class LayoutFileStatus {
  kNotOpened,  // absent, read-only, not a layout file, or one of the run's data files
  kComplete,
  kTruncated,  // shorter than its format: only the whole fields were taken
  kReadError,  // a read failed: only the whole fields read before it were taken
};

// The layout file of a run's input, with the run's data files (its input
// and output), which it must never be: a data file may itself bear the
// layout file's name ("records.frm" as the input of a check). Such a file
// is never read, removed or written; the run goes on as if there were no
// layout file.
struct LayoutFilePlace {
  std::string path;
  std::vector<std::string> dataFiles;
};
LayoutFilePlace PlaceLayoutFile(LayoutFile file, const std::string& inputFile,
                                const std::string& outputFile);

// Reads a definition file into `values` (DecodeLayout), through a link too;
// it must be a regular file no longer than the longest of its kind that
// opens for reading and writing (a file that cannot be replaced counts as
// absent). No open or read waits.
LayoutFileStatus ReadLayoutFile(const LayoutFilePlace& place, LayoutFile file,
                                RecordSettings& values, const OptionWords& words = {});
LayoutFileStatus ReadLayoutFile(const std::string& path, LayoutFile file, RecordSettings& values,
                                const OptionWords& words = {});

enum class LayoutFileWrite {
  kWritten,
  // Neither created nor replaced nor written: a read-only layout file at
  // the name, a folder that takes no new file where the name reaches no
  // file that can be written itself, a failed write.
  kNotWritten,
  // What the name reaches cannot be a layout file (a longer file, a folder,
  // a pipe, one of the run's data files): it was left as it is.
  kNotALayoutFile,
};

// Creates or replaces a definition file: the record is written whole into a
// new file of a short name of its own in the same folder, flushed, and
// renamed over the name, so that a link at the name is replaced and never
// written through, another name of the old file keeps its bytes, and a
// failure leaves the old file as it was (the new file removed). A replaced
// file's permissions are kept. Where no new file can be made in the folder
// or renamed over the name, a layout file that is a regular file of a single
// name, not reached through a link, is written in place instead: emptied of
// what lies beyond the record, and flushed.
LayoutFileWrite WriteLayoutFile(const LayoutFilePlace& place, LayoutFile file,
                                const RecordSettings& values, const OptionWords& words = {});
LayoutFileWrite WriteLayoutFile(const std::string& path, LayoutFile file,
                                const RecordSettings& values, const OptionWords& words = {});

// Removes a definition file that does not fit its input; false when the
// path names no layout file of its kind, names a data file of the run, or
// cannot be removed.
bool RemoveLayoutFile(const LayoutFilePlace& place, LayoutFile file);

}  // namespace kelvarin
