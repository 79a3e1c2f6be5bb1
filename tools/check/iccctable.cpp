#include "tools/check/iccctable.h"

#include <array>
#include <cassert>

#include "tools/check/codetables.h"

namespace kelvarin {

const std::int16_t IcccTable[kIcccRowCount][kSiteClassCount + 1] = {
#include "tools/check/iccctable_rows.inc"
};

namespace {

struct SiteClassRange {
  std::int16_t first;
  std::int16_t last;
};

// The topography range of each site class, class k at index k - 1.
constexpr SiteClassRange kSiteClassRanges[kSiteClassCount] = {
    {0, 69},    {79, 89},   {90, 109},  {110, 119}, {129, 179}, {180, 180}, {181, 181},
    {182, 189}, {199, 199}, {209, 209}, {210, 218}, {220, 221}, {239, 339}, {340, 349},
    {379, 379}, {380, 399}, {400, 419}, {420, 424}, {440, 449}, {470, 479}, {480, 488},
    {490, 499}, {500, 509}, {510, 529}, {530, 539}, {540, 549}, {559, 559}, {569, 569},
    {570, 619}, {620, 629}, {630, 639}, {649, 649}, {659, 669}, {670, 679}, {680, 689},
    {690, 699}, {700, 722}, {723, 723}, {724, 729}, {739, 739}, {740, 749}, {750, 750},
    {751, 751}, {752, 752}, {753, 753}, {754, 759}, {760, 768}, {770, 779}, {809, 809}};

// Direct index from topography value to site class, the ranges tested in
// class order.
constexpr std::array<std::int8_t, kMaxTopography + 1> BuildSiteClassIndex() {
  std::array<std::int8_t, kMaxTopography + 1> index{};
  for (int t = 0; t <= kMaxTopography; ++t) {
    for (int k = 0; k < kSiteClassCount; ++k) {
      if (t >= kSiteClassRanges[k].first && t <= kSiteClassRanges[k].last) {
        index[static_cast<std::size_t>(t)] = static_cast<std::int8_t>(k + 1);
        break;
      }
    }
  }
  return index;
}

constexpr auto kSiteClassIndex = BuildSiteClassIndex();

}  // namespace

int SiteClass(int topography) {
  if (topography < 0 || topography > kMaxTopography) return kNoSiteClass;
  return kSiteClassIndex[static_cast<std::size_t>(topography)];
}

int LookupIccc(int topography, int morphology) {
  // The table's rows follow MorphologyCodes, so a code's position is its row.
  const int row = FindMorphologyCode(morphology);
  if (row < 0) return kIcccNoMorphologyRow;
  assert(IcccTable[row][0] == morphology);
  const int siteClass = SiteClass(topography);
  if (siteClass == kNoSiteClass) return kIcccNoSiteClass;
  return IcccTable[row][siteClass];
}

}  // namespace kelvarin
