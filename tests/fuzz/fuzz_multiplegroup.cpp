// Multiple's grouping under a fixed row: the records of an input taken as
// one person's, the rules applied and the person's lines written. Every
// person keeps at least one record, and the list has a line per record.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/fuzzsupport.h"
#include "tools/multiple/multiplelayout.h"
#include "tools/multiple/persongroup.h"

using namespace kelvarin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Key 1-6, sequence 7-8, sex 9, topography 10-13, morphology 14-17,
  // behaviour 18, incidence date 19-26 (YYYYMMDD), records of 40 characters.
  static const MultipleLayout layout = [] {
    MultipleLayout row;
    std::string error;
    ParseRow("1 6 7 8 9 9 10 13 14 17 18 18 19 26 0 1 2 1 1 1 40 0", &row, &error);
    return row;
  }();

  const std::vector<std::string> records = fuzz::Records(data, size, 40, 32);
  if (records.size() < 2) return 0;
  PersonGroup group;
  for (size_t i = 0; i < records.size(); ++i)
    group.Add(records[i], static_cast<int64_t>(i * 41), i, layout);
  group.Resolve();
  fuzz::Require(group.SetAsideCount() < static_cast<int>(group.Size()),
                "a person keeps at least one record");
  std::string lines;
  group.AppendMultipleLines(lines);
  fuzz::Require(std::count(lines.begin(), lines.end(), '\n') == static_cast<long>(group.Size()) + 1,
                "the list has a line per record and an empty line");
  lines.clear();
  group.AppendNumberedSetAside(lines);
  fuzz::Require(std::count(lines.begin(), lines.end(), '\n') == group.SetAsideCount(),
                "a numbered line per record set aside");
  return 0;
}
