// Reading the coded fields of a fixed-width record for the conversion programs.
// Columns are 1-based as in the conversion row; a field is always copied before
// its digits are tested, so the record itself is never changed by reading.
#pragma once

#include <string_view>

#include "common/recordfield.h"

namespace kelvarin {

// The failures found while reading and testing one record's fields.
enum RecordFlag : unsigned {
  kInvalidSexFlag = 1u << 0,
  kInvalidSiteFlag = 1u << 1,  // site or topography
  kInvalidSexSiteFlag = 1u << 2,
  kInvalidMorphologyFlag = 1u << 3,
  kInvalidBehaviourFlag = 1u << 4,
  kInvalidGradeFlag = 1u << 5,
};

// Which characters of a site text must be digits.
enum class SiteDigitTest {
  kAllFour,         // ICD-O-1 site numbers: 1400 to 1999
  kFirstThree,      // ICD-9 codes: the subsite may stay blank
  kSecondAndThird,  // ICD-10 codes: a letter and two digits
};

// Copies the site text: the three characters from topographyStart followed by
// the character at topographyEnd (the subsite), so that a site field of any
// width is read as its first three characters and its last one. The tested
// characters have their blanks turned into '0' in the copy. text receives four
// characters and a terminating NUL. Returns false when the digit test fails.
bool ReadSiteText(std::string_view record, int topographyStart, int topographyEnd,
                  SiteDigitTest test, char text[5]);

// The four morphology characters from histologyStart, digit-tested (blanks
// become '0'); *value is the copy read as a decimal number. False when not all
// four are digits.
bool ReadMorphology(std::string_view record, int histologyStart, int* value);

// The behaviour digit at behaviourStart: false (and *value 0) when the
// character there is not a digit.
bool ReadBehaviour(std::string_view record, int behaviourStart, int* value);

// The grade character at gradeStart: with gradeStart below 1 the record has no
// grade (true, *grade '9'); else false when the character is not a digit.
bool ReadGrade(std::string_view record, int gradeStart, char* grade);

// Whether one of the n characters is a digit. A code field of blanks holds
// no code at all, though a blank beside a digit counts as '0'.
inline bool HasDigit(const char* text, int n) {
  for (int i = 0; i < n; ++i)
    if (text[i] >= '0' && text[i] <= '9') return true;
  return false;
}

// A topography code read from three columns, with or without the letter C in
// front. The first record whose code begins with C switches the run to codes
// with the prefix; from then on a code without it is flagged.
class PrefixedTopography {
 public:
  // Reads the code of one record: the two site digits (after the C when there
  // is one) and the subsite character at topographyEnd, into text (three
  // characters and a NUL).
  void Read(std::string_view record, int topographyStart, int topographyEnd, char text[4]);

  // Whether the code just read lacks the C while the run requires it.
  bool MissingPrefix() const { return m_missingPrefix; }
  // Whether a code with the C has been read in this run.
  bool PrefixSeen() const { return m_prefixSeen; }

 private:
  bool m_prefixSeen = false;
  bool m_missingPrefix = false;
};

}  // namespace kelvarin
