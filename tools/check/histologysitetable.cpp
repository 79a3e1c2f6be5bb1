#include "tools/check/histologysitetable.h"

#include "tools/check/consistencyindexes.h"

namespace kelvarin {

const HistologySiteRow* FindHistologySiteRow(int morphology) {
  const int slot = MorphologyIndexSlot(morphology);
  if (slot < 0 || HistologySiteRowOf[slot] < 0) return nullptr;
  return &HistologySiteTable[HistologySiteRowOf[slot]];
}

bool SiteGroupHolds(char siteClass, int group, int topography) {
  const bool allow = siteClass == kAllowGroup;
  if (!allow && siteClass != kDenyGroup) return false;
  if (group < 1 || group > (allow ? kAllowGroupCount : kDenyGroupCount)) return false;
  if (topography < 0 || topography > 999) return false;
  const SiteGroupRow* list = allow ? SiteGroupAllowList : SiteGroupDenyList;
  const std::uint16_t* start = allow ? SiteGroupAllowListStart : SiteGroupDenyListStart;
  const int site = topography / 10;
  const int subsite = topography % 10;
  for (int row = start[group]; row < start[group + 1]; ++row)
    if (list[row].site == site &&
        (list[row].subsite == kEverySubsite || list[row].subsite == subsite))
      return true;
  return false;
}

const char* HistologyGroupName(int group) {
  if (group < 1 || group > kHistologyGroupCount) return nullptr;
  return HistologyGroupNames[group - 1];
}

}  // namespace kelvarin
