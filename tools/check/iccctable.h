// The ICCC-3 extended classification of every morphology on every site
// class, and the site classes of the topography codes.
#pragma once

#include <cstdint>

namespace kelvarin {

inline constexpr int kIcccRowCount = 807;
inline constexpr int kSiteClassCount = 49;

// One row per morphology of MorphologyCodes, in the same order. Column 0 is
// the morphology; column k (1..49) its category on a site of class k,
// encoded main group * 1000 + subgroup * 100 + extended division
// (2100 is II(a), 11610 XI(f)10); 0 where the combination is not classified.
extern const std::int16_t IcccTable[kIcccRowCount][kSiteClassCount + 1];

inline constexpr int kNoSiteClass = 0;

// The site class (1..49) of a topography value, or kNoSiteClass.
int SiteClass(int topography);

inline constexpr int kIcccNoMorphologyRow = -1;
inline constexpr int kIcccNoSiteClass = -2;

// The ICCC-3 category of a morphology on a topography (0 or more), -1 when
// the morphology has no row, -2 when the topography has no site class.
int LookupIccc(int topography, int morphology);

}  // namespace kelvarin
