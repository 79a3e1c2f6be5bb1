#include "tools/convert/common/conversionfields.h"

#include "common/dateformats.h"

namespace kelvarin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ReadSiteText(std::string_view record, int topographyStart, int topographyEnd,
                  SiteDigitTest test, char text[5]) {
  for (int i = 0; i < 3; ++i) text[i] = ColumnChar(record, topographyStart + i);
  text[3] = ColumnChar(record, topographyEnd);
  text[4] = '\0';
  switch (test) {
    case SiteDigitTest::kAllFour:
      return IsAllDigits(text, 4) == 0;
    case SiteDigitTest::kFirstThree:
      return IsAllDigits(text, 3) == 0;
    case SiteDigitTest::kSecondAndThird:
      return IsAllDigits(text + 1, 2) == 0;
  }
  return false;
}

bool ReadMorphology(std::string_view record, int histologyStart, int* value) {
  char copy[5];
  for (int i = 0; i < 4; ++i) copy[i] = ColumnChar(record, histologyStart + i);
  copy[4] = '\0';
  const bool digits = IsAllDigits(copy, 4) == 0;
  *value = 0;
  ScanDecimal(copy, 4, 4, value);
  return digits;
}

bool ReadBehaviour(std::string_view record, int behaviourStart, int* value) {
  const char c = ColumnChar(record, behaviourStart);
  *value = IsDigit(c) ? c - '0' : 0;
  return IsDigit(c);
}

bool ReadGrade(std::string_view record, int gradeStart, char* grade) {
  if (gradeStart < 1) {
    *grade = '9';
    return true;
  }
  *grade = ColumnChar(record, gradeStart);
  return IsDigit(*grade);
}

void PrefixedTopography::Read(std::string_view record, int topographyStart, int topographyEnd,
                              char text[4]) {
  const char first = ColumnChar(record, topographyStart);
  if (first == 'C' || first == 'c') {
    text[0] = ColumnChar(record, topographyStart + 1);
    text[1] = ColumnChar(record, topographyStart + 2);
    m_prefixSeen = true;
    m_missingPrefix = false;
  } else {
    text[0] = first;
    text[1] = ColumnChar(record, topographyStart + 1);
    m_missingPrefix = m_prefixSeen;
  }
  text[2] = ColumnChar(record, topographyEnd);
  text[3] = '\0';
}

}  // namespace kelvarin
