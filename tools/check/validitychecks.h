// The validity checks of the seven coded variables of a record: which
// columns are read, the value they give, and whether the code is valid.
// Every check takes the record as read and never changes it. A variable whose
// first column is below 1 is absent: its check gives the default value and
// no error.
#pragma once

#include <string_view>

namespace kelvarin {

// A decoded code: its value and whether it failed its rule.
struct CodeValue {
  int value;
  bool error;
};

// Values that stand in for an absent variable.
inline constexpr int kAbsentTopography = 0;
inline constexpr int kAbsentMorphology = 8000;
inline constexpr int kAbsentBehaviour = 3;
inline constexpr int kAbsentGrade = 9;
inline constexpr int kUnstatedAge = 999;

// Basis of diagnosis states.
inline constexpr int kBasisAbsent = 0;
inline constexpr int kBasisMicroscopic = 1;
inline constexpr int kBasisNotMicroscopic = -1;

// Age flags of the age field: the field is not all digits, or the value is
// outside 0..120 (the date consistency rule adds its own flag).
inline constexpr int kAgeValid = 0;
inline constexpr int kAgeNotDigits = 1;
inline constexpr int kAgeOutOfRange = 2;
inline constexpr int kMaxRecordedAge = 120;

// Longest age-unknown code the check accepts.
inline constexpr int kMaxAgeUnknownCodeLength = 3;

struct AgeValue {
  int age;
  int flag;
};

// Sex: 0 for maleCode, 1 for femaleCode (letter case ignored); any other
// character is an error.
CodeValue CheckSexCode(std::string_view record, int sexStart, char maleCode, char femaleCode);

// Topography as site * 10 + subsite. A code that starts with C (either case)
// is read after the C; the first record read (recordsRead 0) with a C sets
// prefixMode, after which a code without the C is an error. The subsite digit
// is the one at topographyEnd. An all-blank code is an error.
CodeValue CheckTopographyCode(std::string_view record, int topographyStart, int topographyEnd,
                              bool& prefixMode, long long recordsRead);

// Morphology: the four characters from histologyStart, which must form one of
// MorphologyCodes (a blank among them is always an error).
CodeValue CheckMorphologyCode(std::string_view record, int histologyStart);

// Behaviour: one digit, valid when 0..3.
CodeValue CheckBehaviourCode(std::string_view record, int behaviourStart);

// Grade: one digit, every digit valid.
CodeValue CheckGradeCode(std::string_view record, int gradeStart);

// Basis state: 1 when the character equals one of the four microscopic
// codes (letter case counts), else -1. Never an error.
int ReadBasisOfDiagnosis(std::string_view record, int basisStart, const char microscopicCodes[4]);

// Age in years from columns ageStart..ageEnd: 999 when the field holds
// ageUnknownCode (compared over at most the field's width, so 999 matches
// a two-character 99; an empty code matches nothing), else the number read,
// with flag 1 when the field is not all digits (blanks count as '0') and
// flag 2 when the value is above 120.
AgeValue CheckAgeField(std::string_view record, int ageStart, int ageEnd,
                       std::string_view ageUnknownCode);

}  // namespace kelvarin
