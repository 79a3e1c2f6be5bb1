#include "tools/check/validitychecks.h"

#include "common/recordfield.h"
#include "tools/check/codetables.h"

namespace kelvarin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when the first `width` characters of the field equal the code, the
// comparison ending early where both end (the field runs to NUL outside the
// record, the code at its length).
bool MatchesUnknownCode(std::string_view field, int width, std::string_view code) {
  if (code.empty()) return false;
  for (int i = 0; i < width; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    const char fieldChar = at < field.size() ? field[at] : '\0';
    const char codeChar = at < code.size() ? code[at] : '\0';
    if (fieldChar != codeChar) return false;
    if (fieldChar == '\0') return true;
  }
  return true;
}

}  // namespace

CodeValue CheckSexCode(std::string_view record, int sexStart, char maleCode, char femaleCode) {
  if (sexStart < 1) return {0, false};
  const int sex = SexIndex(record, sexStart, maleCode, femaleCode);
  return sex < 0 ? CodeValue{0, true} : CodeValue{sex, false};
}

CodeValue CheckTopographyCode(std::string_view record, int topographyStart, int topographyEnd,
                              bool& prefixMode, long long recordsRead) {
  if (topographyStart < 1) return {kAbsentTopography, false};
  char text[3];
  bool error = false;
  const char first = ColumnChar(record, topographyStart);
  if (first == 'C' || first == 'c') {
    text[0] = ColumnChar(record, topographyStart + 1);
    text[1] = ColumnChar(record, topographyStart + 2);
    if (recordsRead == 0) prefixMode = true;
  } else {
    text[0] = first;
    text[1] = ColumnChar(record, topographyStart + 1);
    error = prefixMode;
  }
  text[2] = ColumnChar(record, topographyEnd);
  // Every record starts from its own value: a code without any number is an
  // error and never inherits another record's topography.
  int value = kAbsentTopography;
  const bool found = ScanDecimal(text, 3, 3, &value);
  if (!error) error = !found || !IsDigitField(text, 3) || FindTopographyCode(value) < 0;
  return {value, error};
}

CodeValue CheckMorphologyCode(std::string_view record, int histologyStart) {
  if (histologyStart < 1) return {kAbsentMorphology, false};
  char text[4];
  for (int i = 0; i < 4; ++i) text[i] = ColumnChar(record, histologyStart + i);
  int value = kAbsentMorphology;
  const bool found = ScanDecimal(text, 4, 4, &value);
  const bool error = !found || !IsDigitField(text, 4) || FindMorphologyCode(value) < 0;
  return {value, error};
}

CodeValue CheckBehaviourCode(std::string_view record, int behaviourStart) {
  if (behaviourStart < 1) return {kAbsentBehaviour, false};
  const char c = ColumnChar(record, behaviourStart);
  if (!IsDigit(c)) return {kAbsentBehaviour, true};
  const int behaviour = c - '0';
  return {behaviour, behaviour > 3};
}

CodeValue CheckGradeCode(std::string_view record, int gradeStart) {
  if (gradeStart < 1) return {kAbsentGrade, false};
  const char c = ColumnChar(record, gradeStart);
  if (!IsDigit(c)) return {kAbsentGrade, true};
  return {c - '0', false};
}

int ReadBasisOfDiagnosis(std::string_view record, int basisStart, const char microscopicCodes[4]) {
  if (basisStart < 1) return kBasisAbsent;
  const char basis = ColumnChar(record, basisStart);
  for (int i = 0; i < 4; ++i)
    if (basis == microscopicCodes[i]) return kBasisMicroscopic;
  return kBasisNotMicroscopic;
}

AgeValue CheckAgeField(std::string_view record, int ageStart, int ageEnd,
                       std::string_view ageUnknownCode) {
  if (ageStart < 1) return {kUnstatedAge, kAgeValid};
  const int width = ageEnd - ageStart + 1;
  if (width < 1) return {0, kAgeNotDigits};
  // The part of the field inside the record; a field running past the end
  // of the record can never be all digits.
  const std::size_t offset = static_cast<std::size_t>(ageStart) - 1;
  const std::string_view field = offset < record.size()
                                     ? record.substr(offset, static_cast<std::size_t>(width))
                                     : std::string_view();
  if (MatchesUnknownCode(field, width, ageUnknownCode)) return {kUnstatedAge, kAgeValid};
  const int length = static_cast<int>(field.size());
  int age = 0;
  ScanDecimal(field.data(), length, length, &age);
  if (length != width || !IsDigitField(field.data(), length)) return {age, kAgeNotDigits};
  if (age < 0 || age > kMaxRecordedAge) return {age, kAgeOutOfRange};
  return {age, kAgeValid};
}

}  // namespace kelvarin
