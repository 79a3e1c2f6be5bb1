// Test helper: morphology lists written "8000-8003, 9590", a range being every
// known morphology code from its first to its last code.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "tools/check/histologysitetable.h"

namespace kelvarin::test {

// The morphology codes of the histology/site table (one row per code).
inline const std::set<int>& KnownMorphologies() {
  static const std::set<int> codes = [] {
    std::set<int> s;
    for (const HistologySiteRow& row : HistologySiteTable) s.insert(row.morphology);
    return s;
  }();
  return codes;
}

inline std::set<int> ExpandMorphologies(const std::string& list) {
  const std::set<int>& known = KnownMorphologies();
  std::set<int> codes;
  std::istringstream in(list);
  std::string item;
  while (std::getline(in, item, ',')) {
    int from = 0;
    int to = 0;
    const auto dash = item.find('-');
    from = std::stoi(item.substr(0, dash));
    to = dash == std::string::npos ? from : std::stoi(item.substr(dash + 1));
    EXPECT_TRUE(known.count(from) && known.count(to)) << "not a morphology code: " << item;
    for (auto it = known.lower_bound(from); it != known.end() && *it <= to; ++it) codes.insert(*it);
  }
  return codes;
}

}  // namespace kelvarin::test
