// Code lists written as the conversion rules print them, "9590-9649,9690-9799,9940",
// so that a test can hold a whole rule table in the rules' own form and compare
// a converter with it code by code.
#pragma once

#include <string_view>

namespace kelvarin::test {

// Whether value is one of the codes or ranges of a comma-separated list; an
// empty list holds nothing.
inline bool InCodeList(int value, std::string_view list) {
  while (!list.empty()) {
    const size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    const size_t dash = item.find('-');
    int first = 0;
    for (char c : item.substr(0, dash)) first = first * 10 + (c - '0');
    int last = first;
    if (dash != std::string_view::npos) {
      last = 0;
      for (char c : item.substr(dash + 1)) last = last * 10 + (c - '0');
    }
    if (value >= first && value <= last) return true;
  }
  return false;
}

}  // namespace kelvarin::test
