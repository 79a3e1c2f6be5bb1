// Reading the fixed columns of a record without changing it: a character, the
// digit test of a code field, a number read the way "%Nd" reads it, and the
// sex code.
#pragma once

#include <climits>
#include <cstddef>
#include <string_view>

namespace kelvarin {

// The character at 1-based column `column` of the record; NUL for a column
// outside the record, which no code test accepts.
inline char ColumnChar(std::string_view record, int column) {
  if (column < 1 || static_cast<std::size_t>(column) > record.size()) return '\0';
  return record[static_cast<std::size_t>(column) - 1];
}

// The digit test of the code fields: true when each of the n characters is a
// digit or a blank (a blank counts as '0'). Unlike IsAllDigits it leaves the
// text as it is.
inline bool IsDigitField(const char* text, int n) {
  for (int i = 0; i < n; ++i)
    if (text[i] != ' ' && (text[i] < '0' || text[i] > '9')) return false;
  return true;
}

// Reads a decimal number the way a "%Nd" conversion does: leading white space
// skipped, then an optional sign and digits, at most maxWidth characters of
// them, within the first length characters of text. False when no digit is
// found; *value is then left unchanged. A value beyond the int range is held
// at the limit.
inline bool ScanDecimal(const char* text, int length, int maxWidth, int* value) {
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  int i = 0;
  while (i < length && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  const int end = maxWidth < length - i ? i + maxWidth : length;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= end || !isDigit(text[i])) return false;
  long long magnitude = 0;
  for (; i < end && isDigit(text[i]); ++i)
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[i] - '0');
  if (negative) magnitude = -magnitude;
  *value = magnitude > INT_MAX   ? INT_MAX
           : magnitude < INT_MIN ? INT_MIN
                                 : static_cast<int>(magnitude);
  return true;
}

// sexIndex of the sex character at sexStart: 0 male, 1 female, -1 neither.
// The codes compare without regard to letter case; the male code wins when
// both codes are the same letter.
inline int SexIndex(std::string_view record, int sexStart, char maleCode, char femaleCode) {
  auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  const char sex = upper(ColumnChar(record, sexStart));
  if (sex == upper(maleCode)) return 0;
  if (sex == upper(femaleCode)) return 1;
  return -1;
}

}  // namespace kelvarin
