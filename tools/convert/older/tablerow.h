// Text rows of the compiled-in conversion tables: each row as the table
// writes it, keyed by its first four characters.
#pragma once

#include <string_view>

namespace kelvarin {

// A whole table, so that a converter variant can name the table it uses.
struct TextTable {
  const std::string_view* rows;
  int count;
};

template <int N>
constexpr TextTable TableOf(const std::string_view (&rows)[N]) {
  return TextTable{rows, N};
}

// The row whose first four characters are the key (the first such row when
// the key stands on several); null when there is none.
const std::string_view* FindRow(TextTable table, std::string_view key);

// The row of a four-digit number (written with leading zeros), as above.
const std::string_view* FindNumberRow(TextTable table, int number);

// The class character of a row (its fifth character).
inline char RowClass(std::string_view row) { return row.size() > 4 ? row[4] : '\0'; }

// The number written in `count` characters of a row from `offset`; -1 when
// one of them is not a digit or the row is shorter.
int RowNumber(std::string_view row, int offset, int count);

}  // namespace kelvarin
