// Histology groups and site groups of the multiple primary rules.
#pragma once

#include <cstddef>

namespace kelvarin {

// The group of a morphology code and, for the haematopoietic groups and
// Kaposi sarcoma, the site that stands for every site of that group.
struct HistologyGroup {
  int group;         // 1 to 17
  int replacedSite;  // -1 when the record keeps its own site
};

// One rule of the histology group table: morphology codes low..high
// (4 digits, inclusive) fall in `group`. The rules are tried in table order
// and the first match wins, so later rows only see what earlier ones left.
struct HistologyGroupRule {
  short low;
  short high;
  signed char group;
  short replacedSite;
};

extern const HistologyGroupRule HistologyGroups[];
extern const std::size_t kHistologyGroupRuleCount;

// The group every code falls in when no rule matches.
inline constexpr int kUnspecifiedTypes = 17;
// The unspecified groups: carcinoma, haematopoietic, any type.
inline constexpr int kUnspecifiedCarcinoma = 5;
inline constexpr int kUnspecifiedHaematopoietic = 14;

// Histology group of a 4-digit morphology code (0 for a code that is not a number).
HistologyGroup HistologyGroupOf(int morphology);

// Site group of a two-digit site number: neighbouring sites that count as one.
int SiteGroupOf(int site);

}  // namespace kelvarin
