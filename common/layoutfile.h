// Layout definition files: the binary files kept beside an input data file
// so that the next run on it starts from the same columns and codes. The
// check wizard keeps a ".frm" file, the multiple-primary wizard a ".mpr"
// file. Integers are signed 32-bit little-endian; a column pair is (first
// column, last column), 1-based and inclusive, -1 for a variable that is not
// defined; a code character is followed by one zero byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvarin {

// The definition file's name for an input file, beside it: the text before
// the last '.' of the file name (when that '.' is not its first character)
// followed by the suffix, else the whole path followed by the suffix. Folder
// names never count.
std::string LayoutFileName(const std::string& inputFile, const std::string& suffix);

// Whether c can stand as a code in a layout file and in a parameter row:
// a byte that is neither blank, nor a control character, nor DEL.
bool IsCodeCharacter(char c);

inline constexpr int kCheckLayoutVariables = 10;
inline constexpr size_t kCheckLayoutFileSize = 104;

// The contents of a ".frm" file. The column pairs are in the check layout
// page's list order: registration number, sex, topography, histology,
// behaviour, grade, basis of diagnosis, incidence date, birth date, age.
struct CheckLayoutRecord {
  std::array<int32_t, 2 * kCheckLayoutVariables> positions;
  int32_t incidenceDateFormat = -1;
  int32_t birthDateFormat = -1;
  char maleCode = '1';
  char femaleCode = '2';
  std::array<char, 4> microscopicCodes{{'5', '6', '7', '7'}};
  std::array<char, 4> ageUnknownCode{{'9', '9', '9', '\0'}};  // the text, then zero bytes

  CheckLayoutRecord() { positions.fill(-1); }
};

inline constexpr int kMultiplePrimaryLayoutVariables = 7;
inline constexpr size_t kMultiplePrimaryLayoutFileSize = 64;

// The contents of a ".mpr" file. The column pairs are in the multiple-primary
// layout page's list order: patient identification, sequence number, sex,
// topography, histology, behaviour, incidence date.
struct MultiplePrimaryLayoutRecord {
  std::array<int32_t, 2 * kMultiplePrimaryLayoutVariables> positions;
  int32_t incidenceDateFormat = -1;
  char maleCode = '1';
  char femaleCode = '2';

  MultiplePrimaryLayoutRecord() { positions.fill(-1); }
};

std::vector<uint8_t> EncodeCheckLayout(const CheckLayoutRecord& record);
std::vector<uint8_t> EncodeMultiplePrimaryLayout(const MultiplePrimaryLayoutRecord& record);

// Takes from the bytes of a definition file, in file order, every field the
// bytes hold whole; the fields beyond a short file keep their values.
// Returns true when the bytes held the whole record. The fourth byte of the
// age-unknown code is always made 0.
bool DecodeCheckLayout(const std::vector<uint8_t>& bytes, CheckLayoutRecord& record);
bool DecodeMultiplePrimaryLayout(const std::vector<uint8_t>& bytes,
                                 MultiplePrimaryLayoutRecord& record);

enum class LayoutFileStatus {
  kNotOpened,  // absent, read-only or otherwise not open for reading and writing
  kComplete,
  kTruncated,  // shorter than its format: only the whole fields were taken
};

// The file side shared by every definition file. ReadLayoutFileBytes reads
// at most formatSize bytes of a file that opens for reading and writing;
// WriteLayoutFileBytes creates or replaces a file with the bytes and removes
// it again when writing or closing fails.
LayoutFileStatus ReadLayoutFileBytes(const std::string& path, size_t formatSize,
                                     std::vector<uint8_t>& bytes);
bool WriteLayoutFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Reads a definition file, which must open for reading and writing (a file
// that cannot be replaced counts as absent).
LayoutFileStatus ReadCheckLayoutFile(const std::string& path, CheckLayoutRecord& record);
LayoutFileStatus ReadMultiplePrimaryLayoutFile(const std::string& path,
                                               MultiplePrimaryLayoutRecord& record);

// Creates or replaces a definition file. Returns false when it could not be
// created, or when writing or closing failed; a file left half-written is
// removed.
bool WriteCheckLayoutFile(const std::string& path, const CheckLayoutRecord& record);
bool WriteMultiplePrimaryLayoutFile(const std::string& path,
                                    const MultiplePrimaryLayoutRecord& record);

}  // namespace kelvarin
