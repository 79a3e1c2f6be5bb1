#include "tools/convert/older/tablerow.h"

#include "tools/convert/common/tablesearch.h"

namespace kelvarin {

const std::string_view* FindRow(TextTable table, std::string_view key) {
  const int index = FindTableRow(table.rows, table.count, key);
  return index < 0 ? nullptr : &table.rows[index];
}

const std::string_view* FindNumberRow(TextTable table, int number) {
  if (number < 0 || number > 9999) return nullptr;
  const char digits[4] = {
      static_cast<char>('0' + number / 1000), static_cast<char>('0' + number / 100 % 10),
      static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10)};
  return FindRow(table, std::string_view(digits, 4));
}

int RowNumber(std::string_view row, int offset, int count) {
  if (offset < 0 || static_cast<std::size_t>(offset + count) > row.size()) return -1;
  int value = 0;
  for (int i = offset; i < offset + count; ++i) {
    const char c = row[static_cast<std::size_t>(i)];
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace kelvarin
