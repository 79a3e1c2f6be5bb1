// Indexes into the consistency tables, generated with them so that a lookup
// costs an array read instead of a search.
#pragma once

#include <cstdint>

#include "tools/check/histologysitetable.h"

namespace kelvarin {

// The indexes cover the morphology codes 8000 to 9999.
inline constexpr int kFirstIndexedMorphology = 8000;
inline constexpr int kIndexedMorphologyCount = 2000;

// Position of the first BehaviourHistologyTable row of each morphology, -1 when
// it has none.
extern const std::int16_t BehaviourHistologyFirstRow[kIndexedMorphologyCount];

// Position of each morphology's HistologySiteTable row, -1 when it has none.
extern const std::int16_t HistologySiteRowOf[kIndexedMorphologyCount];

// Where the sites of each group start in SiteGroupAllowList and
// SiteGroupDenyList: the rows of group g are [start[g], start[g + 1]).
extern const std::uint16_t SiteGroupAllowListStart[kAllowGroupCount + 2];
extern const std::uint16_t SiteGroupDenyListStart[kDenyGroupCount + 2];

// Index slot of a morphology, -1 outside the indexed codes.
constexpr int MorphologyIndexSlot(int morphology) {
  return morphology >= kFirstIndexedMorphology &&
                 morphology < kFirstIndexedMorphology + kIndexedMorphologyCount
             ? morphology - kFirstIndexedMorphology
             : -1;
}

}  // namespace kelvarin
