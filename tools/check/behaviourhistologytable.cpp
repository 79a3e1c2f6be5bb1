#include "tools/check/behaviourhistologytable.h"

#include <cstring>

#include "tools/check/consistencyindexes.h"

namespace kelvarin {

int FindBehaviourHistologyRow(const char* key) {
  int morphology = 0;
  for (int i = 0; i < 4; ++i) {
    if (key[i] < '0' || key[i] > '9') return -1;  // every row's key is digits
    morphology = morphology * 10 + (key[i] - '0');
  }
  const int slot = MorphologyIndexSlot(morphology);
  if (slot < 0) return -1;
  // The rows of one morphology stand together, ascending on the behaviour.
  for (int row = BehaviourHistologyFirstRow[slot];
       row >= 0 && row < kBehaviourHistologyRowCount &&
       std::memcmp(BehaviourHistologyTable[row].data(), key, 4) == 0;
       ++row)
    if (BehaviourHistologyTable[row][4] == key[4]) return row;
  return -1;
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
