#include "tools/check/histologysitetable.h"

#include <algorithm>

namespace kelvarin {

const HistologySiteRow* FindHistologySiteRow(int morphology) {
  const HistologySiteRow* first = HistologySiteTable;
  const HistologySiteRow* last = first + kHistologySiteRowCount;
  const HistologySiteRow* found = std::lower_bound(
      first, last, morphology,
      [](const HistologySiteRow& row, int wanted) { return row.morphology < wanted; });
  if (found == last || found->morphology != morphology) return nullptr;
  return found;
}

bool SiteGroupHolds(const SiteGroupRow* list, int count, int group, int topography) {
  if (topography < 0 || topography > 999) return false;
  const int site = topography / 10;
  const int subsite = topography % 10;
  const SiteGroupRow* row = std::lower_bound(
      list, list + count, group, [](const SiteGroupRow& r, int g) { return r.group < g; });
  for (; row != list + count && row->group == group; ++row)
    if (row->site == site && (row->subsite == kEverySubsite || row->subsite == subsite))
      return true;
  return false;
}

const char* HistologyGroupName(int group) {
  if (group < 1 || group > kHistologyGroupCount) return nullptr;
  return HistologyGroupNames[group - 1];
}

}  // namespace kelvarin
