#include "tools/multiple/histologygroups.h"

#include <gtest/gtest.h>

using namespace kelvarin;

namespace {

struct GroupCase {
  int morphology;
  int group;
  int site;  // -1: the record keeps its site
};

// The edges of every row of the table, and the codes that an earlier row takes
// away from a later one.
const GroupCase kGroups[] = {
    {0, 17, -1},    {8000, 17, -1}, {8009, 17, -1}, {8010, 5, -1},  {8029, 5, -1},  {8030, 4, -1},
    {8049, 4, -1},  {8050, 5, -1},  {8051, 1, -1},  {8070, 1, -1},  {8089, 1, -1},  {8090, 2, -1},
    {8119, 2, -1},  {8120, 1, -1},  {8131, 1, -1},  {8132, 17, -1}, {8140, 3, -1},  {8149, 3, -1},
    {8150, 4, -1},  {8160, 3, -1},  {8170, 4, -1},  {8189, 4, -1},  {8190, 3, -1},  {8229, 3, -1},
    {8230, 4, -1},  {8259, 4, -1},  {8260, 3, -1},  {8339, 3, -1},  {8340, 4, -1},  {8350, 3, -1},
    {8559, 3, -1},  {8560, 4, -1},  {8570, 3, -1},  {8580, 4, -1},  {8679, 4, -1},  {8680, 6, -1},
    {8719, 6, -1},  {8720, 16, -1}, {8799, 16, -1}, {8800, 6, -1},  {8929, 6, -1},  {8930, 16, -1},
    {8940, 3, -1},  {8950, 16, -1}, {8989, 16, -1}, {8990, 6, -1},  {9000, 16, -1}, {9039, 16, -1},
    {9040, 6, -1},  {9050, 7, -1},  {9059, 7, -1},  {9060, 16, -1}, {9119, 16, -1}, {9120, 6, -1},
    {9139, 6, -1},  {9140, 15, 46}, {9141, 6, -1},  {9149, 6, -1},  {9252, 6, -1},  {9253, 17, -1},
    {9260, 16, -1}, {9369, 16, -1}, {9370, 6, -1},  {9380, 16, -1}, {9539, 16, -1}, {9540, 6, -1},
    {9589, 6, -1},  {9590, 14, 78}, {9596, 14, 78}, {9597, 9, 78},  {9650, 11, 78}, {9669, 11, 78},
    {9670, 9, 78},  {9690, 9, 78},  {9699, 9, 78},  {9700, 10, 78}, {9711, 10, 78}, {9712, 9, 78},
    {9713, 10, 78}, {9726, 10, 78}, {9727, 14, 78}, {9728, 9, 78},  {9729, 10, 78}, {9730, 14, 78},
    {9731, 9, 78},  {9738, 9, 78},  {9739, 14, 78}, {9740, 12, 78}, {9749, 12, 78}, {9750, 13, 78},
    {9760, 14, 78}, {9761, 9, 78},  {9767, 9, 78},  {9768, 10, 78}, {9769, 9, 78},  {9810, 14, 78},
    {9811, 9, 78},  {9818, 9, 78},  {9822, 14, 78}, {9823, 9, 78},  {9826, 9, 78},  {9827, 10, 78},
    {9831, 10, 78}, {9832, 14, 78}, {9833, 9, 78},  {9834, 10, 78}, {9835, 14, 78}, {9836, 9, 78},
    {9837, 10, 78}, {9840, 8, 78},  {9860, 14, 78}, {9861, 8, 78},  {9931, 8, 78},  {9932, 14, 78},
    {9940, 9, 78},  {9945, 8, 78},  {9946, 8, 78},  {9948, 10, 78}, {9950, 8, 78},  {9960, 14, 78},
    {9961, 8, 78},  {9964, 8, 78},  {9980, 8, 78},  {9987, 8, 78},  {9989, 14, 78}, {9991, 8, 78},
    {9992, 8, 78},  {9993, 17, -1}, {9999, 17, -1},
};

}  // namespace

TEST(HistologyGroups, FirstMatchingRuleGivesGroupAndSite) {
  for (const GroupCase& c : kGroups) {
    const HistologyGroup g = HistologyGroupOf(c.morphology);
    EXPECT_EQ(c.group, g.group) << c.morphology;
    EXPECT_EQ(c.site, g.replacedSite) << c.morphology;
  }
}

// Every code gets a group from 1 to 17, and the haematopoietic groups (8 to
// 14) always take site 78, Kaposi sarcoma site 46, and no other group a site.
TEST(HistologyGroups, GroupsAndSitesAgreeOverAllCodes) {
  int perGroup[18] = {};
  for (int m = 0; m <= 9999; ++m) {
    const HistologyGroup g = HistologyGroupOf(m);
    ASSERT_GE(g.group, 1);
    ASSERT_LE(g.group, 17);
    ++perGroup[g.group];
    const int expectedSite = (g.group >= 8 && g.group <= 14) ? 78 : g.group == 15 ? 46 : -1;
    EXPECT_EQ(expectedSite, g.replacedSite) << m;
  }
  for (int group = 1; group <= 17; ++group) EXPECT_GT(perGroup[group], 0) << group;
  EXPECT_EQ(1, perGroup[15]);  // 9140 alone: 9141 to 9149 fall to the sarcomas first
}

TEST(SiteGroups, NeighbouringSitesCountAsOne) {
  const struct {
    int site, group;
  } cases[] = {
      {0, 6},   {3, 6},   {4, 6},   {5, 6},   {6, 6},   {1, 2},   {2, 2},   {7, 7},   {8, 8},
      {9, 14},  {10, 14}, {11, 11}, {12, 14}, {13, 14}, {14, 14}, {15, 15}, {18, 18}, {19, 20},
      {20, 20}, {21, 21}, {23, 24}, {24, 24}, {33, 34}, {34, 34}, {40, 41}, {41, 41}, {42, 42},
      {46, 46}, {64, 64}, {65, 68}, {66, 68}, {67, 68}, {68, 68}, {69, 69}, {78, 78}, {80, 80},
  };
  for (const auto& c : cases) EXPECT_EQ(c.group, SiteGroupOf(c.site)) << c.site;
}
