// What the front-end tells a tool program about the records of a job, and
// where each value of it travels, described once. RecordSettings declares
// the values with their defaults: the columns of every record variable with
// the date formats, the codes, the options, the record length and the file
// size. kRecordFields gives each of them its entry: which parameter rows
// carry it, and its place in each layout definition file. The front-end's
// job settings are a RecordSettings and more; the parameter rows, the layout
// definition files, the copy-back of the run commands and the start-up
// defaults are all read from here. A new variable is a member and an entry.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace kelvarin {

// Columns are 1-based and inclusive; -1 means the variable is not in the
// records. The initial values are the defaults every start of the
// front-end begins with.
struct RecordSettings {
  int32_t regNoStart = -1;  // the multiple-primary wizard calls it the patient identification
  int32_t regNoEnd = -1;
  int32_t seqNoStart = -1;
  int32_t seqNoEnd = -1;
  int32_t sexStart = -1;
  int32_t sexEnd = -1;
  int32_t topographyStart = -1;  // the ICD code on the ICD-9 and ICD-10 conversions
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

  // optionB, optionA: the second and first option box of a conversion
  // layout page. optionA nonzero makes a conversion replace the codes in the
  // record instead of appending them; the check wizard keeps its
  // one-record-per-error box in optionB.
  int32_t optionB = 0;
  int32_t optionA = 0;
  int32_t includeBrain = 0;      // multiple primaries: benign and uncertain brain tumours too
  int32_t includeBladder = 1;    // multiple primaries: uncertain and in situ bladder tumours too
  int32_t duplicatesToFile = 1;  // multiple primaries: duplicates go to the separate list
  std::array<char, 4> microscopicCodes{{'5', '6', '7', '7'}};  // basis: microscopic verification
  std::string ageUnknownCode = "999";                          // at most 3 characters
  char maleCode = '1';
  char femaleCode = '2';
  int32_t recordLength = 0;  // line end excluded
  uint64_t fileSize = 0;     // of the input file, in bytes
};

// Row type numbers as the front-end's commands choose them.
enum RowType { kConversionRowType = 0, kCheckRowType = 1, kMultiplePrimaryRowType = 2 };

// A set of parameter rows, one bit per row type.
using RowSet = uint8_t;
inline constexpr RowSet kConversionRow = RowSet{1} << kConversionRowType;
inline constexpr RowSet kCheckRow = RowSet{1} << kCheckRowType;
inline constexpr RowSet kMultiplePrimaryRow = RowSet{1} << kMultiplePrimaryRowType;
inline constexpr RowSet kEveryRow = kConversionRow | kCheckRow | kMultiplePrimaryRow;

// The layout definition files: the check wizard's ".frm", the
// multiple-primary wizard's ".mpr" and the conversion wizard's ".dfi".
enum class LayoutFile { kCheck, kMultiplePrimary, kConversion };
inline constexpr int kLayoutFileCount = 3;

// A value's place in each layout definition file, by LayoutFile. For a
// column pair it is the variable's position in the file's list of pairs,
// which is its layout page's list; a date's format comes after all the
// pairs, in the order of the pairs. For any other value it is its position
// among the values after the pairs and formats. -1: not in that file.
using LayoutPlaces = std::array<int8_t, kLayoutFileCount>;
inline constexpr LayoutPlaces kInNoLayoutFile{{-1, -1, -1}};

// One entry of kRecordFields: a record variable's column pair (with its date
// format for a date), or one other value, with the members that hold it.
struct RecordField {
  enum class Kind : uint8_t {
    kColumns,      // first, last
    kDateColumns,  // first, last, format
    kNumber,       // number
    kSize,         // size
    kCode,         // code: one character
    kCodes,        // codes: four characters
    kText,         // text: a word in a row, 4 bytes in a layout file
  };
  Kind kind = Kind::kNumber;
  const char* name = nullptr;  // the member's name; of a column pair its stem ("sex")
  int32_t RecordSettings::*first = nullptr;
  int32_t RecordSettings::*last = nullptr;
  int32_t RecordSettings::*format = nullptr;
  int32_t RecordSettings::*number = nullptr;
  uint64_t RecordSettings::*size = nullptr;
  char RecordSettings::*code = nullptr;
  std::array<char, 4> RecordSettings::*codes = nullptr;
  std::string RecordSettings::*text = nullptr;
  RowSet rows = 0;  // the rows that carry it; a row carries its fields in the table's order
  LayoutPlaces places = kInNoLayoutFile;

  constexpr bool IsColumnPair() const {
    return kind == Kind::kColumns || kind == Kind::kDateColumns;
  }
  constexpr int8_t PlaceIn(LayoutFile file) const { return places[static_cast<size_t>(file)]; }
};

// The entries of kRecordFields: PairField for a column pair (with the format
// member, for a date), ValueField for any other value, its kind chosen by the
// member's type.
constexpr RecordField PairField(const char* stem, int32_t RecordSettings::*first,
                                int32_t RecordSettings::*last, RowSet rows, LayoutPlaces places) {
  RecordField field;
  field.kind = RecordField::Kind::kColumns;
  field.name = stem;
  field.first = first;
  field.last = last;
  field.rows = rows;
  field.places = places;
  return field;
}

constexpr RecordField PairField(const char* stem, int32_t RecordSettings::*first,
                                int32_t RecordSettings::*last, int32_t RecordSettings::*format,
                                RowSet rows, LayoutPlaces places) {
  RecordField field = PairField(stem, first, last, rows, places);
  field.kind = RecordField::Kind::kDateColumns;
  field.format = format;
  return field;
}

template <class T>
constexpr RecordField ValueField(const char* name, T RecordSettings::*member, RowSet rows,
                                 LayoutPlaces places) {
  RecordField field;
  field.name = name;
  field.rows = rows;
  field.places = places;
  if constexpr (std::is_same_v<T, int32_t>) {
    field.kind = RecordField::Kind::kNumber;
    field.number = member;
  } else if constexpr (std::is_same_v<T, uint64_t>) {
    field.kind = RecordField::Kind::kSize;
    field.size = member;
  } else if constexpr (std::is_same_v<T, char>) {
    field.kind = RecordField::Kind::kCode;
    field.code = member;
  } else if constexpr (std::is_same_v<T, std::array<char, 4>>) {
    field.kind = RecordField::Kind::kCodes;
    field.codes = member;
  } else {
    static_assert(std::is_same_v<T, std::string>, "a value is a number, size, code(s) or text");
    field.kind = RecordField::Kind::kText;
    field.text = member;
  }
  return field;
}

// The stem and members of a variable's column pair, of a date's pair with
// its format, and the name and member of another value.
#define KELVARIN_PAIR(v) #v, &RecordSettings::v##Start, &RecordSettings::v##End
#define KELVARIN_DATE(v) KELVARIN_PAIR(v), &RecordSettings::v##Format
#define KELVARIN_VALUE(v) #v, &RecordSettings::v

// Every value of RecordSettings, described once: the rows that carry it and
// its place in each layout definition file.
// clang-format off
inline constexpr RecordField kRecordFields[] = {
    //         variable or value                 rows that carry it               .frm .mpr .dfi
    PairField( KELVARIN_PAIR(regNo),             kEveryRow,                       { 0,  0,  0}),
    PairField( KELVARIN_PAIR(seqNo),             kMultiplePrimaryRow,             {-1,  1, -1}),
    PairField( KELVARIN_PAIR(sex),               kEveryRow,                       { 1,  2,  1}),
    PairField( KELVARIN_PAIR(topography),        kEveryRow,                       { 2,  3,  2}),
    PairField( KELVARIN_PAIR(histology),         kEveryRow,                       { 3,  4,  3}),
    PairField( KELVARIN_PAIR(behaviour),         kEveryRow,                       { 4,  5,  4}),
    PairField( KELVARIN_PAIR(grade),             kConversionRow | kCheckRow,      { 5, -1,  5}),
    PairField( KELVARIN_PAIR(basis),             kCheckRow,                       { 6, -1, -1}),
    PairField( KELVARIN_PAIR(age),               kCheckRow,                       { 9, -1, -1}),
    PairField( KELVARIN_DATE(birthDate),         kCheckRow,                       { 8, -1, -1}),
    PairField( KELVARIN_DATE(incidenceDate),     kCheckRow | kMultiplePrimaryRow, { 7,  6, -1}),
    ValueField(KELVARIN_VALUE(microscopicCodes), kCheckRow,                       { 2, -1, -1}),
    ValueField(KELVARIN_VALUE(maleCode),         kEveryRow,                       { 0,  0,  0}),
    ValueField(KELVARIN_VALUE(femaleCode),       kEveryRow,                       { 1,  1,  1}),
    ValueField(KELVARIN_VALUE(includeBrain),     kMultiplePrimaryRow,             kInNoLayoutFile),
    ValueField(KELVARIN_VALUE(includeBladder),   kMultiplePrimaryRow,             kInNoLayoutFile),
    ValueField(KELVARIN_VALUE(duplicatesToFile), kMultiplePrimaryRow,             kInNoLayoutFile),
    ValueField(KELVARIN_VALUE(recordLength),     kEveryRow,                       kInNoLayoutFile),
    ValueField(KELVARIN_VALUE(fileSize),         kEveryRow,                       kInNoLayoutFile),
    ValueField(KELVARIN_VALUE(optionA),          kConversionRow,                  kInNoLayoutFile),
    ValueField(KELVARIN_VALUE(optionB),          kConversionRow,                  kInNoLayoutFile),
    // Field 31 of the check row, one line per error, is kept in optionB.
    ValueField("oneRecordPerError", &RecordSettings::optionB, kCheckRow, kInNoLayoutFile),
    ValueField(KELVARIN_VALUE(ageUnknownCode),   kCheckRow,                       { 3, -1, -1}),
};
// clang-format on

#undef KELVARIN_PAIR
#undef KELVARIN_DATE
#undef KELVARIN_VALUE

// The number of column pairs a layout definition file holds.
constexpr int LayoutVariableCount(LayoutFile file) {
  int count = 0;
  for (const RecordField& field : kRecordFields)
    if (field.IsColumnPair() && field.PlaceIn(file) >= 0) ++count;
  return count;
}

// The position of the variable whose first column is `first` in a layout
// file's list of pairs; -1 when the file does not hold it.
constexpr int LayoutPlaceOf(LayoutFile file, int32_t RecordSettings::*first) {
  for (const RecordField& field : kRecordFields)
    if (field.IsColumnPair() && field.first == first) return field.PlaceIn(file);
  return -1;
}

// The entries of the column pairs a layout file holds, in its list order.
std::vector<const RecordField*> LayoutVariables(LayoutFile file);

// Copies every value a parameter row carries from one record to another.
void CopyRowValues(RowType row, const RecordSettings& from, RecordSettings& to);

}  // namespace kelvarin
