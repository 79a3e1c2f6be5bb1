#include "tools/check/codetables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tools/check/codelist.h"

namespace kelvarin {
namespace {

TEST(MorphologyCodes, CountsByHundred) {
  const std::map<int, int> expected = {{80, 56}, {81, 44}, {82, 42}, {83, 50}, {84, 36},
                                       {85, 51}, {86, 28}, {87, 32}, {88, 55}, {89, 40},
                                       {90, 39}, {91, 44}, {92, 26}, {93, 37}, {94, 31},
                                       {95, 43}, {96, 29}, {97, 47}, {98, 46}, {99, 31}};
  std::map<int, int> counts;
  for (int code : MorphologyCodes) ++counts[code / 100];
  EXPECT_EQ(expected, counts);
  EXPECT_EQ(807u, MorphologyCodes.size());
}

TEST(MorphologyCodes, TellingMembers) {
  for (int code : {8000, 8005, 8140, 8158, 8720, 9050, 9500, 9811, 9818, 9823, 9991, 9992})
    EXPECT_GE(FindMorphologyCode(code), 0) << code;
  for (int code : {7999, 8006, 8009, 8111, 8594, 9599, 9600, 9649, 9810, 9990, 9993, 0, -1})
    EXPECT_EQ(-1, FindMorphologyCode(code)) << code;
}

TEST(TopographyCodes, CountAndTellingMembers) {
  EXPECT_EQ(330u, TopographyCodes.size());
  EXPECT_EQ(0, TopographyCodes.front());
  EXPECT_EQ(809, TopographyCodes.back());
  for (int code : {0, 9, 19, 140, 384, 388, 420, 424, 501, 509, 619, 723, 768, 779, 809})
    EXPECT_GE(FindTopographyCode(code), 0) << code;
  for (int code : {7, 10, 141, 143, 149, 425, 507, 513, 769, 780, 800, 808, 810, -1, 1000})
    EXPECT_EQ(-1, FindTopographyCode(code)) << code;
}

TEST(TopographyCodes, SitesWithoutAnyCode) {
  std::set<int> sites;
  for (int code : TopographyCodes) sites.insert(code / 10);
  for (int site : {27, 28, 29, 35, 36, 43, 45, 46, 59, 78, 79})
    EXPECT_EQ(0u, sites.count(site)) << site;
  EXPECT_EQ(70u, sites.size());
}

TEST(CodeTables, SearchesAgreeWithTheArraysOverTheirWholeRange) {
  for (int value = -5; value <= 820; ++value) {
    const int position = FindTopographyCode(value);
    if (position >= 0) {
      EXPECT_EQ(value, TopographyCodes[static_cast<std::size_t>(position)]);
    }
  }
  for (std::size_t i = 0; i < TopographyCodes.size(); ++i)
    EXPECT_EQ(static_cast<int>(i), FindTopographyCode(TopographyCodes[i]));
  for (int value = 7990; value <= 10000; ++value) {
    const int position = FindMorphologyCode(value);
    if (position >= 0) {
      EXPECT_EQ(value, MorphologyCodes[static_cast<std::size_t>(position)]);
    }
  }
  for (std::size_t i = 0; i < MorphologyCodes.size(); ++i)
    EXPECT_EQ(static_cast<int>(i), FindMorphologyCode(MorphologyCodes[i]));
}

// The list expansion must make any typo visible as a wrong count or order.
TEST(CodeList, MalformedListsNeverLookRight) {
  EXPECT_EQ(4, codelist::CountRanges("1-3,5"));
  EXPECT_EQ(4, codelist::CountSites("00:0-1;01:8-9"));
  constexpr auto backwards = codelist::ExpandRangeList<3>("5-3,7");
  EXPECT_FALSE(codelist::IsStrictlyAscending(backwards));
  constexpr auto missing = codelist::ExpandRangeList<3>("1,,3");
  EXPECT_FALSE(codelist::IsStrictlyAscending(missing));
  constexpr auto surplus = codelist::ExpandRangeList<3>("1-4");
  EXPECT_FALSE(codelist::IsStrictlyAscending(surplus));
  constexpr auto badSubsite = codelist::ExpandSiteList<2>("01:8-10");
  EXPECT_FALSE(codelist::IsStrictlyAscending(badSubsite));
  constexpr auto noColon = codelist::ExpandSiteList<2>("01 8-9");
  EXPECT_FALSE(codelist::IsStrictlyAscending(noColon));
  constexpr auto good = codelist::ExpandSiteList<3>("00:0;01:8-9");
  EXPECT_TRUE(codelist::IsStrictlyAscending(good));
  EXPECT_EQ(19, good[2]);
}

}  // namespace
}  // namespace kelvarin
