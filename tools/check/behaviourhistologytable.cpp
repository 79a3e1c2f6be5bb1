#include "tools/check/behaviourhistologytable.h"

#include <algorithm>
#include <cstring>

namespace kelvarin {

int FindBehaviourHistologyRow(const char* key) {
  const std::string_view wanted(key, kBehaviourHistologyKeyLength);
  const auto keyOf = [](std::string_view row) { return row.substr(0, kBehaviourHistologyKeyLength); };
  const std::string_view* first = BehaviourHistologyTable;
  const std::string_view* last = first + kBehaviourHistologyRowCount;
  const std::string_view* found = std::lower_bound(
      first, last, wanted, [&](std::string_view row, std::string_view k) { return keyOf(row) < k; });
  if (found == last || keyOf(*found) != wanted) return -1;
  return static_cast<int>(found - first);
}

int FindBehaviourHistologyRow(int morphology, int behaviour) {
  if (morphology < 1000 || morphology > 9999 || behaviour < 0 || behaviour > 9) return -1;
  const char key[kBehaviourHistologyKeyLength] = {
      static_cast<char>('0' + morphology / 1000), static_cast<char>('0' + morphology / 100 % 10),
      static_cast<char>('0' + morphology / 10 % 10), static_cast<char>('0' + morphology % 10),
      static_cast<char>('0' + behaviour)};
  return FindBehaviourHistologyRow(key);
}

}  // namespace kelvarin
