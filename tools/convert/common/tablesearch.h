// Binary search over the compiled-in code tables (rows sorted on a key prefix).
#pragma once

#include <string_view>

namespace kelvarin {

// Index of the first row whose first key.size() characters equal key, or -1.
// The rows must be sorted in ascending byte order of that prefix; a key that
// stands on several rows gives the first of them.
int FindTableRow(const std::string_view* rows, int count, std::string_view key);

// Index of value in an ascending array of integers, or -1.
int FindTableValue(const int* values, int count, int value);

}  // namespace kelvarin
