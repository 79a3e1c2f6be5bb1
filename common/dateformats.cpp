#include "common/dateformats.h"

#include <cstring>

namespace kelvarin {

const char* const DateFormatNames[kDateFormatCount + 1] = {
    "YY",       "YYY",        "YYYY",       "YYMM",      "MMYY",      "YY/MM",    "MM/YY",
    "YYYMM",    "MMYYY",      "YYY/MM",     "MM/YYY",    "YYYYMM",    "MMYYYY",   "YYYY/MM",
    "MM/YYYY",  "YYYYMMDD",   "DDMMYYYY",   "YYYMMDD",   "DDMMYYY",   "YYMMDD",   "DDMMYY",
    "MMDDYY",   "YYYY/MM/DD", "DD/MM/YYYY", "DD/MM/YYY", "YYY/MM/DD", "YY/MM/DD", "DD/MM/YY",
    "MM/DD/YY", "MMDDYYYY",   "MM/DD/YYYY", "YYYYDDMM",  ""};

int DateFormatPosition(int index, int width) {
  if (index < 0) return -1;
  int count = 0;
  for (int position = 0; DateFormatNames[position][0] != '\0'; ++position) {
    if (static_cast<int>(std::strlen(DateFormatNames[position])) != width) continue;
    if (count == index) return position;
    ++count;
  }
  return -1;
}

int DateFormatIndex(int position) {
  if (position < 0 || position >= kDateFormatCount) return -1;
  const size_t width = std::strlen(DateFormatNames[position]);
  int index = 0;
  for (int p = 0; p < position; ++p)
    if (std::strlen(DateFormatNames[p]) == width) ++index;
  return index;
}

bool ResolveDateFormat(const char* name, int first, int last, int index, int* position,
                       std::string* error) {
  *position = -1;
  if (first < 1) return true;
  const int width = last - first + 1;
  *position = DateFormatPosition(index, width);
  if (*position >= 0) return true;
  *error = std::string("the ") + name + " format " + std::to_string(index) +
           " has no layout of width " + std::to_string(width);
  return false;
}

int DateFormatCountForWidth(int width) {
  int count = 0;
  for (int p = 0; p < kDateFormatCount; ++p)
    if (static_cast<int>(std::strlen(DateFormatNames[p])) == width) ++count;
  return count;
}

int IsAllDigits(char* text, int n) {
  for (int i = 0; i < n; ++i) {
    if (text[i] == ' ') text[i] = '0';
    if (text[i] < '0' || text[i] > '9') return 1;
  }
  return 0;
}

namespace {

// Reads `length` digits (already checked) as a decimal number.
int ReadNumber(const char* text, int length) {
  int value = 0;
  for (int i = 0; i < length; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

bool AllChars(const char* field, int length, char c) {
  for (int i = 0; i < length; ++i)
    if (field[i] != c) return false;
  return true;
}

}  // namespace

DateResult ParseDate(const char* field, int position, DateKind kind, int* yyyymmdd) {
  if (position < 0 || position >= kDateFormatCount) return kDateInvalid;
  const char* name = DateFormatNames[position];
  const int length = static_cast<int>(std::strlen(name));

  if (kind == kBirthDate && AllChars(field, length, ' ')) return kDateNotStated;
  if (kind == kIncidenceDate && AllChars(field, length, '9')) return kDateNotStated;

  char work[16];
  std::memcpy(work, field, static_cast<size_t>(length));

  // Test the digit groups in the order they stand in the template.
  int year = 0, month = 7, day = 1, yearDigits = 0;
  bool hasMonth = false, hasDay = false;
  for (int i = 0; i < length;) {
    const char letter = name[i];
    if (letter == '/') {
      ++i;
      continue;
    }
    int run = 1;
    while (i + run < length && name[i + run] == letter) ++run;
    if (IsAllDigits(work + i, run) != 0) return kDateInvalid;
    const int value = ReadNumber(work + i, run);
    if (letter == 'Y') {
      year = value;
      yearDigits = run;
    } else if (letter == 'M') {
      month = value;
      hasMonth = true;
    } else {
      day = value;
      hasDay = true;
    }
    i += run;
  }
  if (hasMonth && !hasDay) day = 15;

  if (yearDigits == 2)
    year += (kind == kIncidenceDate && year < 50) ? 2000 : 1900;
  else if (yearDigits == 3)
    year += year < 50 ? 2000 : 1000;

  if (year < 1800) return kDateInvalid;
  if (month < 1 || month > 12) return kDateInvalid;
  if (day < 1 || day > 31) return kDateInvalid;
  if (day == 31 && (month == 2 || month == 4 || month == 6 || month == 9 || month == 11))
    return kDateInvalid;
  if (month == 2 && day > 29) return kDateInvalid;
  if (month == 2 && day == 29 && year % 4 != 0) return kDateInvalid;

  if (yyyymmdd) *yyyymmdd = year * 10000 + month * 100 + day;
  return kDateValid;
}

}  // namespace kelvarin
