// Reading fixed columns of a record without changing it.
#pragma once

#include <climits>
#include <string_view>

namespace kelvarin {

// The character at 1-based column `column` of the record; NUL for a column
// outside the record, which no code test accepts.
inline char ColumnChar(std::string_view record, int column) {
  if (column < 1 || static_cast<std::size_t>(column) > record.size()) return '\0';
  return record[static_cast<std::size_t>(column) - 1];
}

// The digit test of the code fields: true when each of the n characters is a
// digit or a blank (a blank counts as '0').
inline bool IsDigitField(const char* text, int n) {
  for (int i = 0; i < n; ++i)
    if (text[i] != ' ' && (text[i] < '0' || text[i] > '9')) return false;
  return true;
}

// Reads a decimal number from the first n characters the way "%d" does:
// leading white space skipped, an optional sign, then digits up to the first
// character that is not one. False when no digit is found; the value then
// stays as it was. A value beyond the int range is held at the limit.
inline bool ScanDecimal(const char* text, int n, int* value) {
  int i = 0;
  while (i < n && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= n || text[i] < '0' || text[i] > '9') return false;
  long long magnitude = 0;
  for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[i] - '0');
  if (negative) magnitude = -magnitude;
  *value = magnitude > INT_MAX ? INT_MAX : magnitude < INT_MIN ? INT_MIN : static_cast<int>(magnitude);
  return true;
}

}  // namespace kelvarin
