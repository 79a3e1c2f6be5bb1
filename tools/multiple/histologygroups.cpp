#include "tools/multiple/histologygroups.h"

namespace kelvarin {

namespace {

// Codes with the first three digits from..to, i.e. from0 to to9.
constexpr HistologyGroupRule Tens(int from, int to, int group, int site = -1) {
  return {static_cast<short>(from * 10), static_cast<short>(to * 10 + 9),
          static_cast<signed char>(group), static_cast<short>(site)};
}

// Single codes from..to.
constexpr HistologyGroupRule Codes(int from, int to, int group, int site = -1) {
  return {static_cast<short>(from), static_cast<short>(to), static_cast<signed char>(group),
          static_cast<short>(site)};
}

constexpr int kLymphoidSite = 78;
constexpr int kKaposiSite = 46;

}  // namespace

const HistologyGroupRule HistologyGroups[] = {
    // 2 basal cell carcinomas
    Tens(809, 811, 2),
    // 1 squamous and transitional cell carcinomas
    Codes(8051, 8131, 1),
    // 4 other specified carcinomas
    Tens(803, 804, 4),
    Tens(815, 815, 4),
    Tens(817, 818, 4),
    Tens(823, 825, 4),
    Tens(834, 834, 4),
    Tens(856, 856, 4),
    Tens(858, 867, 4),
    // 3 adenocarcinomas
    Tens(814, 814, 3),
    Tens(816, 816, 3),
    Tens(819, 822, 3),
    Tens(826, 833, 3),
    Tens(835, 855, 3),
    Tens(857, 857, 3),
    Tens(894, 894, 3),
    // 5 unspecified carcinomas
    Tens(801, 802, 5),
    Codes(8050, 8050, 5),
    // 6 sarcomas and soft-tissue tumours
    Tens(868, 871, 6),
    Tens(880, 892, 6),
    Tens(899, 899, 6),
    Tens(904, 904, 6),
    Tens(912, 913, 6),
    Codes(9141, 9252, 6),
    // 7 mesotheliomas
    Tens(905, 905, 7),
    // 6 sarcomas and soft-tissue tumours (continued)
    Tens(937, 937, 6),
    Tens(954, 958, 6),
    // 9 B-cell
    Codes(9597, 9597, 9, kLymphoidSite),
    Codes(9670, 9699, 9, kLymphoidSite),
    Codes(9712, 9712, 9, kLymphoidSite),
    Codes(9728, 9728, 9, kLymphoidSite),
    Codes(9731, 9738, 9, kLymphoidSite),
    Codes(9761, 9767, 9, kLymphoidSite),
    Codes(9769, 9769, 9, kLymphoidSite),
    Codes(9811, 9818, 9, kLymphoidSite),
    Codes(9823, 9826, 9, kLymphoidSite),
    Codes(9833, 9833, 9, kLymphoidSite),
    Codes(9836, 9836, 9, kLymphoidSite),
    Codes(9940, 9940, 9, kLymphoidSite),
    // 10 T-cell and NK-cell
    Codes(9700, 9711, 10, kLymphoidSite),
    Codes(9713, 9726, 10, kLymphoidSite),
    Codes(9729, 9729, 10, kLymphoidSite),
    Codes(9768, 9768, 10, kLymphoidSite),
    Codes(9827, 9831, 10, kLymphoidSite),
    Codes(9834, 9834, 10, kLymphoidSite),
    Codes(9837, 9837, 10, kLymphoidSite),
    Codes(9948, 9948, 10, kLymphoidSite),
    // 8 myeloid
    Codes(9840, 9840, 8, kLymphoidSite),
    Codes(9861, 9931, 8, kLymphoidSite),
    Codes(9945, 9946, 8, kLymphoidSite),
    Codes(9950, 9950, 8, kLymphoidSite),
    Codes(9961, 9964, 8, kLymphoidSite),
    Codes(9980, 9987, 8, kLymphoidSite),
    Codes(9991, 9992, 8, kLymphoidSite),
    // 11 Hodgkin lymphoma
    Tens(965, 966, 11, kLymphoidSite),
    // 12 mast-cell
    Tens(974, 974, 12, kLymphoidSite),
    // 13 histiocytic
    Tens(975, 975, 13, kLymphoidSite),
    // 14 unspecified haematopoietic
    Tens(959, 998, 14, kLymphoidSite),
    // 15 Kaposi sarcoma
    Tens(914, 914, 15, kKaposiSite),
    // 16 other specified types
    Tens(872, 879, 16),
    Tens(893, 893, 16),
    Tens(895, 898, 16),
    Tens(900, 903, 16),
    Tens(906, 911, 16),
    Tens(926, 936, 16),
    Tens(938, 953, 16),
};

const std::size_t kHistologyGroupRuleCount = sizeof(HistologyGroups) / sizeof(HistologyGroups[0]);

namespace {

// The first matching rule of every code 0 to 9999, found once: the rule's
// position in the table, or -1 for none.
struct RuleOfCode {
  short rule[10000];
  RuleOfCode() {
    for (int m = 0; m < 10000; ++m) {
      rule[m] = -1;
      for (std::size_t r = 0; r < kHistologyGroupRuleCount; ++r) {
        if (m >= HistologyGroups[r].low && m <= HistologyGroups[r].high) {
          rule[m] = static_cast<short>(r);
          break;
        }
      }
    }
  }
};

}  // namespace

HistologyGroup HistologyGroupOf(int morphology) {
  static const RuleOfCode rules;
  const int r = morphology >= 0 && morphology < 10000 ? rules.rule[morphology] : -1;
  if (r < 0) return {kUnspecifiedTypes, -1};
  return {HistologyGroups[r].group, HistologyGroups[r].replacedSite};
}

int SiteGroupOf(int site) {
  switch (site) {
    case 0:
    case 3:
    case 4:
    case 5:
    case 6:
      return 6;
    case 1:
    case 2:
      return 2;
    case 9:
    case 10:
    case 12:
    case 13:
    case 14:
      return 14;
    case 19:
    case 20:
      return 20;
    case 23:
    case 24:
      return 24;
    case 33:
    case 34:
      return 34;
    case 40:
    case 41:
      return 41;
    case 65:
    case 66:
    case 67:
    case 68:
      return 68;
    default:
      return site;
  }
}

}  // namespace kelvarin
