#include "tools/convert/jantrik/jantrikbehaviourhistology.h"

#include "tools/check/behaviourhistologytable.h"

namespace kelvarin {

std::string_view FindJantrikBehaviourHistologyRow(std::string_view key) {
  if (key.size() < kBehaviourHistologyKeyLength) return {};
  const int index = FindBehaviourHistologyRow(key.data());
  if (index < 0) return {};
  for (std::string_view row : JantrikClassDifferences)
    if (row.substr(0, kBehaviourHistologyKeyLength) == key.substr(0, kBehaviourHistologyKeyLength))
      return row;
  return BehaviourHistologyTable[index];
}

}  // namespace kelvarin
