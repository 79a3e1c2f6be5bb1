#include "tools/convert/common/tablesearch.h"

namespace kelvarin {

int FindTableRow(const std::string_view* rows, int count, std::string_view key) {
  int low = 0, high = count;  // first row not below the key lies in [low, high]
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (rows[middle].substr(0, key.size()) < key)
      low = middle + 1;
    else
      high = middle;
  }
  if (low < count && rows[low].substr(0, key.size()) == key) return low;
  return -1;
}

int FindTableValue(const int* values, int count, int value) {
  int low = 0, high = count;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (values[middle] < value)
      low = middle + 1;
    else
      high = middle;
  }
  return low < count && values[low] == value ? low : -1;
}

}  // namespace kelvarin
