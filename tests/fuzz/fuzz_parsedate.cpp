// A date field read in every layout, as an incidence date and as a birth
// date: no crash, the field left as it was, and a valid date a real one.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/dateformats.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace kelvarin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The longest layout is ten characters; a shorter input is padded with blanks.
  char field[16];
  std::memset(field, ' ', sizeof field);
  std::memcpy(field, data, size < sizeof field ? size : sizeof field);
  char before[sizeof field];
  std::memcpy(before, field, sizeof field);
  for (int position = 0; position < kDateFormatCount; ++position) {
    for (DateKind kind : {kIncidenceDate, kBirthDate}) {
      int date = 0;
      if (ParseDate(field, position, kind, &date) != kDateValid) continue;
      const int month = date / 100 % 100, day = date % 100;
      fuzz::Require(date / 10000 >= 1000 && month >= 1 && month <= 12 && day >= 1 && day <= 31,
                    "a valid date has a year, a month and a day");
    }
  }
  fuzz::Require(std::memcmp(before, field, sizeof field) == 0, "the field is left as it was");
  return 0;
}
