// The ICD-O-3 morphology/behaviour combinations, shared by the record check and
// the ICD-O-3 to ICD-10 conversion. Standard C++ only.
#pragma once

#include <string_view>

namespace kelvarin {

// Each row is text: the 4-digit morphology, the behaviour digit (0, 1, 2, 3, 6
// or 9), a class character and, in most rows, the ICD-10 part that only the
// conversion reads. A digit class marks a combination of the classification; a
// letter class (above ':') one that is accepted but unlikely. Rows are sorted
// ascending on their first five characters, each key once. Trailing blanks of
// a row belong to it.
inline constexpr int kBehaviourHistologyRowCount = 2769;
extern const std::string_view BehaviourHistologyTable[kBehaviourHistologyRowCount];

// Length of a row's key: the morphology followed by the behaviour digit.
inline constexpr int kBehaviourHistologyKeyLength = 5;
// Position of the class character in a row.
inline constexpr int kBehaviourHistologyClassPosition = 5;

// Position of the row whose first five characters equal the first five of key,
// or -1. The key is compared as it stands, whatever its characters.
int FindBehaviourHistologyRow(const char* key);

// The same for a morphology and a behaviour given as numbers; -1 also when
// they do not make a 4-digit morphology and a 1-digit behaviour.
int FindBehaviourHistologyRow(int morphology, int behaviour);

// True for a letter class: the combination is accepted but unlikely.
constexpr bool IsUnlikelyClass(char rowClass) { return rowClass > ':'; }

}  // namespace kelvarin
