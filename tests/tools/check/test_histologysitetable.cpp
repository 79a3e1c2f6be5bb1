#include "tools/check/histologysitetable.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "tests/tools/check/morphologylist.h"

using namespace kelvarin;
using kelvarin::test::ExpandMorphologies;

namespace {

// The morphologies that may stand on any site.
const char* const kAnySiteMorphologies =
    "8000-8003, 9590-9591, 9596, 9650-9655, 9659, 9661-9665, 9667, 9670-9671, 9673, 9675, "
    "9678, 9680, 9684, 9687-9688, 9690-9691, 9695, 9698-9699, 9701-9702, 9705, 9712, 9714, "
    "9716, 9719, 9724-9725, 9727-9729, 9731, 9735, 9737-9738, 9740-9741, 9750-9760, 9762, "
    "9766-9769, 9930, 9970-9971, 9975";

bool operator<(const SiteGroupRow& a, const SiteGroupRow& b) {
  return std::tie(a.group, a.site, a.subsite) < std::tie(b.group, b.site, b.subsite);
}

// Rows per group of a site list.
std::map<int, int> RowsPerGroup(const SiteGroupRow* list, int count) {
  std::map<int, int> rows;
  for (int i = 0; i < count; ++i) {
    EXPECT_LE(list[i].site, 99);
    EXPECT_TRUE(list[i].subsite == kEverySubsite || (list[i].subsite >= 0 && list[i].subsite <= 9));
    if (i > 0) {
      EXPECT_TRUE(list[i - 1] < list[i]) << "row " << i;
    }
    ++rows[list[i].group];
  }
  return rows;
}

}  // namespace

TEST(HistologySiteTable, RowsAscendAndCarryTheirGroups) {
  std::set<int> anySite;
  std::set<int> allowGroups;
  std::set<int> denyGroups;
  for (int i = 0; i < kHistologySiteRowCount; ++i) {
    const HistologySiteRow& row = HistologySiteTable[i];
    if (i > 0) {
      EXPECT_LT(HistologySiteTable[i - 1].morphology, row.morphology);
    }
    switch (row.siteClass) {
      case kAnySite:
        EXPECT_EQ(0, row.group) << row.morphology;
        anySite.insert(row.morphology);
        break;
      case kAllowGroup:
        allowGroups.insert(row.group);
        break;
      case kDenyGroup:
        denyGroups.insert(row.group);
        break;
      default:
        ADD_FAILURE() << row.morphology << " has class " << row.siteClass;
    }
  }
  EXPECT_EQ(72u, anySite.size());
  EXPECT_EQ(ExpandMorphologies(kAnySiteMorphologies), anySite);
  // Every group has morphologies: allow groups 1..63, deny groups 1..7.
  EXPECT_EQ(static_cast<size_t>(kAllowGroupCount), allowGroups.size());
  EXPECT_EQ(1, *allowGroups.begin());
  EXPECT_EQ(kAllowGroupCount, *allowGroups.rbegin());
  EXPECT_EQ((std::set<int>{1, 2, 3, 4, 5, 6, 7}), denyGroups);
}

TEST(HistologySiteTable, TellingRows) {
  struct Case {
    int morphology;
    char siteClass;
    int group;
  };
  const Case cases[] = {{8000, '*', 0},  {8003, '*', 0},  {8004, '-', 1},  {8561, '+', 1},
                        {8974, '+', 1},  {8905, '+', 22}, {9734, '-', 7},  {9140, '-', 6},
                        {8098, '+', 43}, {9571, '+', 63}, {9992, '+', 18}, {9975, '*', 0}};
  for (const Case& c : cases) {
    const HistologySiteRow* row = FindHistologySiteRow(c.morphology);
    ASSERT_NE(nullptr, row) << c.morphology;
    EXPECT_EQ(c.siteClass, row->siteClass) << c.morphology;
    EXPECT_EQ(c.group, row->group) << c.morphology;
  }
}

TEST(HistologySiteTable, FindsEveryRowAndNothingElse) {
  std::map<int, const HistologySiteRow*> rows;
  for (const HistologySiteRow& row : HistologySiteTable) rows[row.morphology] = &row;
  for (int morphology = -1; morphology <= 11000; ++morphology) {
    const auto found = rows.find(morphology);
    ASSERT_EQ(found == rows.end() ? nullptr : found->second, FindHistologySiteRow(morphology))
        << morphology;
  }
}

TEST(SiteGroupLists, SortedWithSitesForEveryGroup) {
  const std::map<int, int> allow = RowsPerGroup(SiteGroupAllowList, kSiteGroupAllowRowCount);
  const std::map<int, int> deny = RowsPerGroup(SiteGroupDenyList, kSiteGroupDenyRowCount);
  EXPECT_EQ(static_cast<size_t>(kAllowGroupCount), allow.size());
  EXPECT_EQ(static_cast<size_t>(kDenyGroupCount), deny.size());
  // Groups with many sites: carcinoid tumours, transitional cell tumours, Kaposi sarcoma.
  EXPECT_EQ(30, allow.at(56));
  EXPECT_EQ(22, allow.at(55));
  EXPECT_EQ(33, deny.at(6));
  EXPECT_EQ(1, deny.at(1));
}

TEST(SiteGroupLists, HoldTheirSitesWithOneOrEverySubsite) {
  struct Case {
    bool allowList;
    int group;
    int topography;
    bool held;
  };
  const Case cases[] = {
      {true, 1, 79, true},     {true, 1, 80, true},   {true, 1, 89, true},
      {true, 1, 69, false},    {true, 1, 90, false},  {true, 16, 400, true},
      {true, 16, 401, false},  {true, 16, 402, true}, {true, 16, 409, true},
      {true, 16, 410, false},  {true, 12, 384, true}, {true, 12, 380, false},
      {true, 57, 69, true},    {true, 57, 60, false}, {true, 4, 809, true},
      {true, 4, 800, false},   {true, 2, 509, false}, {false, 7, 412, true},
      {false, 7, 509, false},  {false, 3, 420, true}, {false, 3, 422, false},
      {false, 1, 424, true},   {true, 1, -1, false},  {true, 1, 1079, false},
      {false, 6, 1250, false}, {true, 99, 79, false}, {false, 0, 420, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.held, SiteGroupHolds(c.allowList ? kAllowGroup : kDenyGroup, c.group, c.topography))
        << (c.allowList ? "allow " : "deny ") << c.group << " " << c.topography;
  }
}

TEST(HistologyGroupNames, NamedInGroupOrder) {
  for (const char* name : HistologyGroupNames) EXPECT_STRNE("", name);
  EXPECT_STREQ("Salivary gland tumours", HistologyGroupName(1));
  EXPECT_STREQ("Genital rhabdomyomas", HistologyGroupName(22));
  EXPECT_STREQ("Adenoid basal carcinomas", HistologyGroupName(43));
  EXPECT_STREQ("Nerve sheath tumours", HistologyGroupName(63));
  EXPECT_STREQ("Not haematopoietic tumours", HistologyGroupName(64));
  EXPECT_STREQ("Plasmacytomas, extramedullary", HistologyGroupName(70));
  EXPECT_EQ(nullptr, HistologyGroupName(0));
  EXPECT_EQ(nullptr, HistologyGroupName(71));
}
