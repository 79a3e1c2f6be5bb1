// The check program's record step under a fixed row: every check of every
// record, the first record deciding whether topography codes carry a C.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/fuzzsupport.h"
#include "tools/check/recordcheck.h"

using namespace kelvarin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Registration 1-4, sex 5, topography 6-9, morphology 10-13, behaviour
  // 14, grade 15, basis 16, age 17-19, birth date 20-27 and incidence date
  // 28-35 (YYYYMMDD), records of 35 characters.
  static const CheckRow row = [] {
    CheckRow r;
    std::string error;
    ParseRow("1 4 5 5 6 9 10 13 14 14 15 15 16 16 17 19 20 27 0 28 35 0 5 6 7 8 M F 35 0 0 999", &r,
             &error);
    return r;
  }();
  RecordCheck check;
  std::string error;
  fuzz::Require(check.Configure(row, 20261207, &error), "the row is valid");
  long long read = 0;
  for (const std::string& record : fuzz::Records(data, size, 35, 64)) {
    RecordFindings findings;
    check.Check(record, read++, &findings);
  }
  return 0;
}
