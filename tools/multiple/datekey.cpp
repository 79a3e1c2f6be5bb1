#include "tools/multiple/datekey.h"

#include "common/dateformats.h"

#include <cstring>

namespace kelvarin {

namespace {

constexpr int kFirstValidYear = 1950;
constexpr int kMaxWidth = 10;           // the longest layout
constexpr int kMaxIndex = 7;            // no width has more than seven layouts
constexpr std::int32_t kMidYear = 615;  // 15 June, for a layout with the year only

bool HasLetter(const char* name, char letter) { return std::strchr(name, letter) != nullptr; }

bool AllNines(const char* field, int length) {
  for (int i = 0; i < length; ++i)
    if (field[i] != '9') return false;
  return true;
}

}  // namespace

bool ParseIncidenceDate(const char* field, int position, std::int32_t* yyyymmdd) {
  if (position < 0 || position >= kDateFormatCount) return false;
  const char* name = DateFormatNames[position];
  const int length = static_cast<int>(std::strlen(name));

  // The check program's parser gives an incidence date of all nines no
  // value. Read as a birth date, such a field is parsed like any other and
  // its year expands the same way (99 and 999 are 1999 in both readings).
  const DateKind kind = AllNines(field, length) ? kBirthDate : kIncidenceDate;
  int date = 0;
  if (ParseDate(field, position, kind, &date) != kDateValid) return false;
  if (date / 10000 < kFirstValidYear) return false;
  if (!HasLetter(name, 'M')) date = date / 10000 * 10000 + kMidYear;
  *yyyymmdd = date;
  return true;
}

DateKey MakeDateKey(const char* field, int width, int formatIndex, std::int64_t sequence) {
  // The layout of each width and index, found once.
  static const struct Positions {
    int of[kMaxWidth + 1][kMaxIndex + 1];
    Positions() {
      for (int w = 0; w <= kMaxWidth; ++w)
        for (int i = 0; i <= kMaxIndex; ++i) of[w][i] = DateFormatPosition(i, w);
    }
  } positions;
  const bool known =
      width >= 0 && width <= kMaxWidth && formatIndex >= 0 && formatIndex <= kMaxIndex;
  const int position = known ? positions.of[width][formatIndex] : -1;
  DateKey key;
  if (position < 0 || !ParseIncidenceDate(field, position, &key.date)) return DateKey{};
  key.sequence = sequence;
  return key;
}

}  // namespace kelvarin
