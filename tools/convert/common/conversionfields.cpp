#include "conversionfields.h"

#include "common/dateformats.h"

namespace kelvarin {

namespace {

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int SexIndex(std::string_view record, int sexStart, char maleCode, char femaleCode) {
  const char sex = Upper(CharAt(record, sexStart));
  if (sex == Upper(maleCode)) return 0;
  if (sex == Upper(femaleCode)) return 1;
  return -1;
}

bool ReadSiteText(std::string_view record, int topographyStart, int topographyEnd,
                  SiteDigitTest test, char text[5]) {
  for (int i = 0; i < 3; ++i) text[i] = CharAt(record, topographyStart + i);
  text[3] = CharAt(record, topographyEnd);
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
  for (int i = 0; i < 4; ++i) copy[i] = CharAt(record, histologyStart + i);
  copy[4] = '\0';
  const bool digits = IsAllDigits(copy, 4) == 0;
  *value = 0;
  ScanDecimal(copy, 4, 4, value);
  return digits;
}

bool ReadBehaviour(std::string_view record, int behaviourStart, int* value) {
  const char c = CharAt(record, behaviourStart);
  *value = IsDigit(c) ? c - '0' : 0;
  return IsDigit(c);
}

bool ReadGrade(std::string_view record, int gradeStart, char* grade) {
  if (gradeStart < 1) {
    *grade = '9';
    return true;
  }
  *grade = CharAt(record, gradeStart);
  return IsDigit(*grade);
}

bool ScanDecimal(const char* text, int length, int maxWidth, int* value) {
  int i = 0;
  while (i < length && IsSpace(text[i])) ++i;
  const int end = i + maxWidth < length ? i + maxWidth : length;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= end || !IsDigit(text[i])) return false;
  int number = 0;
  while (i < end && IsDigit(text[i])) number = number * 10 + (text[i++] - '0');
  *value = negative ? -number : number;
  return true;
}

void PrefixedTopography::Read(std::string_view record, int topographyStart, int topographyEnd,
                              char text[4]) {
  const char first = CharAt(record, topographyStart);
  if (first == 'C' || first == 'c') {
    text[0] = CharAt(record, topographyStart + 1);
    text[1] = CharAt(record, topographyStart + 2);
    m_prefixSeen = true;
    m_missingPrefix = false;
  } else {
    text[0] = first;
    text[1] = CharAt(record, topographyStart + 1);
    m_missingPrefix = m_prefixSeen;
  }
  text[2] = CharAt(record, topographyEnd);
  text[3] = '\0';
}

}  // namespace kelvarin
