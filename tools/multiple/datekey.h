// The date key that orders the records of one person: incidence date, then
// sequence number.
#pragma once

#include <cstdint>

namespace kelvarin {

// Incidence date and sequence number of a record. Compared as the pair
// (date, sequence), which orders like the number YYYYMMDD x 100 + sequence
// for sequence numbers up to 99 and keeps its order above them.
// A record whose date is invalid, or whose layout is not found, has key {0, 0}.
struct DateKey {
  std::int32_t date = 0;      // YYYYMMDD, 0 when invalid
  std::int64_t sequence = 0;  // 0 when invalid or missing
};

inline bool operator<(const DateKey& a, const DateKey& b) {
  return a.date != b.date ? a.date < b.date : a.sequence < b.sequence;
}
inline bool operator==(const DateKey& a, const DateKey& b) {
  return a.date == b.date && a.sequence == b.sequence;
}
inline bool operator!=(const DateKey& a, const DateKey& b) { return !(a == b); }

// Reads an incidence date the way the multiple primaries rules do. It differs
// from the check program's reading: no field counts as not stated, a year
// alone stands for 15 June, and a year before 1950 is invalid.
// `field` holds at least as many characters as the layout at table
// `position`. Returns true and sets *yyyymmdd for a valid date.
bool ParseIncidenceDate(const char* field, int position, std::int32_t* yyyymmdd);

// The date key of an incidence date field of `width` characters stored in
// layout `formatIndex` (the count among the layouts of that width), with the
// record's sequence number.
DateKey MakeDateKey(const char* field, int width, int formatIndex, std::int64_t sequence);

}  // namespace kelvarin
