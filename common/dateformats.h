// Date layouts of registry records and the date parser of the check program.
#pragma once

#include <string>

namespace kelvarin {

// The 32 date layouts in their fixed order, closed by an empty entry.
// Each name is its own template: its length is the field width, runs of
// Y, M and D are the digit groups, '/' stands for any separator character.
inline constexpr int kDateFormatCount = 32;
extern const char* const DateFormatNames[kDateFormatCount + 1];

// Turns a stored date-format index (the count among the names of the field's
// width, in table order) into a position in DateFormatNames; -1 when the
// width has no layout with that index.
int DateFormatPosition(int index, int width);

// The stored index of the layout at a table position: its count among the
// names of the same length. -1 for a position outside the table.
int DateFormatIndex(int position);

// Number of layouts whose length equals width.
int DateFormatCountForWidth(int width);

// The table position of a present date field's layout (columns first to
// last, 1-based; a first column below 1 is an absent field, position -1).
// False, with *error for the user, when the stored index names no layout of
// the field's width.
bool ResolveDateFormat(const char* name, int first, int last, int index, int* position,
                       std::string* error);

// Despite its name, nonzero when a character is not a digit: 1 when one of
// the first n characters is not a digit, 0 when all are. Each blank met on
// the way is turned into '0' before it is tested; the test stops at the
// first non-digit, leaving the rest unchanged. n <= 0 gives 0.
int IsAllDigits(char* text, int n);

enum DateKind { kIncidenceDate = 0, kBirthDate = 1 };
enum DateResult { kDateValid = 0, kDateInvalid = 1, kDateNotStated = 2 };

// Parses the date field (at least as long as the layout's name) in the layout
// at table position `position`. On kDateValid, *yyyymmdd holds the date as
// the number YYYYMMDD (when the pointer is not null).
DateResult ParseDate(const char* field, int position, DateKind kind, int* yyyymmdd);

}  // namespace kelvarin
