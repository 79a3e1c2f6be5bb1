// The tables Jantrik converts with: its reading of the check program's
// behaviour/histology table (rules, entry numbers, the three rows read
// differently), and the topography columns against the topography codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "tools/check/behaviourhistologytable.h"
#include "tools/check/codetables.h"
#include "tools/convert/jantrik/icdo3topographycolumns.h"
#include "tools/convert/jantrik/jantrikbehaviourhistology.h"
#include "tools/convert/jantrik/sexsplitlist.h"
#include "tools/convert/jantrik/sitegrouplist.h"

using namespace kelvarin;

namespace {

int Rule(std::string_view row) { return row[5] > ':' ? row[5] - 'D' : row[5] - '0'; }

int EntryNumber(std::string_view row) { return std::stoi(std::string(row.substr(7))); }

bool Closing(std::string_view entry) { return entry.substr(0, 4) == "aos."; }

TEST(JantrikTables, TopographyColumnsHaveOneRowPerTopographyCode) {
  ASSERT_EQ(kTopographyCodeCount, IcdO3TopographyColumnsCount);
  for (int i = 0; i < kTopographyCodeCount; ++i) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", TopographyCodes[i]);
    EXPECT_EQ(digits, IcdO3TopographyColumns[i].substr(1, 3)) << i;
  }
}

TEST(JantrikTables, ThreeRowsReadAsRulesWhereTheCheckHasLetters) {
  const std::map<std::string, char> checkClasses = {{"88603", 'L'}, {"91043", 'K'}, {"93931", 'K'}};
  for (std::string_view jantrik : JantrikClassDifferences) {
    const std::string key(jantrik.substr(0, 5));
    const int index = FindBehaviourHistologyRow(key.c_str());
    ASSERT_GE(index, 0) << key;
    std::string check(BehaviourHistologyTable[index]);
    EXPECT_EQ(checkClasses.at(key), check[5]) << key;
    check[5] = jantrik[5];
    EXPECT_EQ(check, jantrik) << "only the class differs";
    EXPECT_EQ(jantrik, FindJantrikBehaviourHistologyRow(key));
  }
  EXPECT_EQ("886038 359", FindJantrikBehaviourHistologyRow("88603"));
  EXPECT_EQ("910437C58 +", FindJantrikBehaviourHistologyRow("91043"));
  EXPECT_EQ("939317D432 ", FindJantrikBehaviourHistologyRow("93931"));
}

TEST(JantrikTables, RulesOfTheRowsAndTheirForms) {
  // The data splits the 2769 rows by rule 732 / 829 / 1134 / 74 (rules 1-5,
  // 7, 8, 9); a complete table splits 717 / 931 / 1047 / 74.
  std::map<int, int> byRule;
  int endingAfterCode = 0, letters = 0;
  for (int i = 0; i < kBehaviourHistologyRowCount; ++i) {
    const std::string key(BehaviourHistologyTable[i].substr(0, 5));
    const std::string_view row = FindJantrikBehaviourHistologyRow(key);
    ASSERT_FALSE(row.empty()) << key;
    const int rule = Rule(row);
    ++byRule[rule >= 1 && rule <= 5 ? 1 : rule];
    if (row[5] > ':') ++letters;
    switch (rule) {
      case 1:
      case 2:
      case 3:
      case 4:
      case 5:
        EXPECT_EQ(6u, row.size()) << row;
        break;
      case 7:
        ASSERT_TRUE(row.size() == 10 || row.size() == 11) << row;
        if (row.size() == 10)
          ++endingAfterCode;
        else
          EXPECT_NE(std::string::npos, std::string(" +@").find(row[10])) << row;
        break;
      case 8: {
        ASSERT_EQ(' ', row[6]) << row;
        const int entry = EntryNumber(row);
        ASSERT_TRUE(entry >= 1 && entry <= SiteGroupListCount) << row;
        EXPECT_FALSE(Closing(SiteGroupList[entry - 1])) << row;
        EXPECT_TRUE(entry == 1 || Closing(SiteGroupList[entry - 2])) << row << ": a group start";
        break;
      }
      case 9: {
        ASSERT_EQ(' ', row[6]) << row;
        const int entry = EntryNumber(row);
        EXPECT_TRUE(entry >= 1 && entry < SexSplitListCount && entry % 2 == 1) << row;
        break;
      }
      default:
        ADD_FAILURE() << "no rule " << rule << ": " << row;
    }
  }
  EXPECT_EQ((std::map<int, int>{{1, 732}, {7, 829}, {8, 1134}, {9, 74}}), byRule);
  EXPECT_EQ(24, endingAfterCode);
  EXPECT_EQ(1631 - 3, letters);
}

TEST(JantrikTables, TellingRows) {
  for (const char* row :
       {"800031", "80002G", "814031", "848067C786 ", "81420KD131 ", "872807D321", "80420L 446",
        "850039 5", "85073M 5", "814008 3", "85000L 20", "872028 391"}) {
    EXPECT_EQ(row, FindJantrikBehaviourHistologyRow(std::string_view(row, 5)));
  }
  EXPECT_TRUE(FindJantrikBehaviourHistologyRow("80063").empty());
  EXPECT_TRUE(FindJantrikBehaviourHistologyRow("8000").empty());
}

}  // namespace
