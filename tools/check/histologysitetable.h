// The histology/site table of the record check: on which sites each morphology
// is expected or unlikely, and the names of the histology groups.
#pragma once

#include <cstdint>

namespace kelvarin {

// Class of a histology/site row.
inline constexpr char kAnySite = '*';     // the morphology may stand on any site
inline constexpr char kAllowGroup = '+';  // expected only on the sites of its group
inline constexpr char kDenyGroup = '-';   // unlikely on the sites of its group

struct HistologySiteRow {
  std::uint16_t morphology;
  char siteClass;      // kAnySite, kAllowGroup or kDenyGroup
  std::uint8_t group;  // allow group 1..63 or deny group 1..7; 0 for kAnySite
};

// A subsite value meaning every subsite of the site.
inline constexpr std::int8_t kEverySubsite = -1;

// One site of an allow or deny group: a two-digit site (C50 is 50) with one
// subsite digit or every subsite.
struct SiteGroupRow {
  std::uint8_t group;
  std::uint8_t site;
  std::int8_t subsite;  // 0..9 or kEverySubsite
};

// One row per ICD-O-3 morphology code, ascending.
inline constexpr int kHistologySiteRowCount = 807;
extern const HistologySiteRow HistologySiteTable[kHistologySiteRowCount];

// Sites of the allow and deny groups, sorted on group, site and subsite
// (kEverySubsite first).
inline constexpr int kSiteGroupAllowRowCount = 418;
inline constexpr int kSiteGroupDenyRowCount = 66;
extern const SiteGroupRow SiteGroupAllowList[kSiteGroupAllowRowCount];
extern const SiteGroupRow SiteGroupDenyList[kSiteGroupDenyRowCount];

// Histology group numbers: allow group g is group g, deny group d is group
// kAllowGroupCount + d. Group g is named by HistologyGroupNames[g - 1].
inline constexpr int kAllowGroupCount = 63;
inline constexpr int kDenyGroupCount = 7;
inline constexpr int kHistologyGroupCount = kAllowGroupCount + kDenyGroupCount;
extern const char* const HistologyGroupNames[kHistologyGroupCount];

// The row of a morphology, or nullptr when it has none.
const HistologySiteRow* FindHistologySiteRow(int morphology);

// True when the site list of the class (kAllowGroup: SiteGroupAllowList,
// kDenyGroup: SiteGroupDenyList) holds a row of `group` whose site is the
// topography's two-digit site and whose subsite is the topography's subsite
// digit or every subsite. The topography is site * 10 + subsite; one outside
// 0..999 matches no row.
bool SiteGroupHolds(char siteClass, int group, int topography);

// The name of histology group 1..70, or nullptr outside.
const char* HistologyGroupName(int group);

}  // namespace kelvarin
