// The compiled-in ICD-O-2 to ICD-O-3 morphology map: its counts, its row forms
// and every row that is not a plain "same code" row.
#include "tools/convert/common/tablesearch.h"
#include "tools/convert/gorvat/icdo2morphologymap.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

using namespace kelvarin;

namespace {

// Every row with a class other than '*', by class: "key>target", or the key
// alone when the row has no target.
const std::map<char, const char*> kExceptionRows = {
    {'0',
     "80503 81703 82503 83123 83303 83801 83803 84400 84401 84402 84403 84611 84710 84711 84712 "
     "84713 84803 85203 85801 85901 86311 86313 86401 87261 87423 88110 88301 88321 88500 88901 "
     "88940 89000 89001 89002 89003 89300 89301 89601 89603 89723 89803 89820 90100 90643 91003 "
     "91301 92203 92701 93501 93700 93703 94703 95051 95103 95403 95700 95903 97173 97601 98003 "
     "98013 98613 98633"},
    {'1', "91341>91333 91343>91333 91803>91803 93801>93801 95800>95800 96803>96803 97023>97023"},
    {'2', "87200 87201 87202 87203"},
    {'3',
     "82401>82403 82411>82401 84000>84000 84003>84003 84020>84020 85103>85103 85113>83453 "
     "85803>85803 87240>91600 87241>87201 87242>87202 87243>87203 88033>88033 88320>88320 "
     "88900>88900 89303>89353 91260>91250 91903>91923 94223>94211 94433>94233 94813>94413 "
     "94900>94900 95360>91501 95363>91503 95923>95913 95933>95913 95943>95903 95953>95913 "
     "96573>96513 96583>96513 96603>96593 96663>96653 96723>95913 96743>96733 96763>96753 "
     "96773>96733 96813>96803 96823>96803 96833>96803 96843>97353 96853>97273 96863>95913 "
     "96883>96803 96923>96903 96933>96983 96943>95913 96963>96953 96973>96983 97033>97023 "
     "97043>97023 97063>97023 97073>97023 97103>96993 97113>96993 97123>96803 97133>97193 "
     "97153>96993 97203>97503 97223>97543 97233>97553 97313>97343 97633>97623 98023>98003 "
     "98033>98003 98043>98003 98213>98353 98223>98203 98243>98203 98253>98323 98283>98353 "
     "98303>97333 98413>98403 98423>99503 98503>98203 98623>98603 98643>98603 98653>98743 "
     "98683>99453 98693>98723 98803>98603 98903>98603 98923>98603 98933>98603 98943>98603 "
     "99003>97423 99323>99313 99413>99403 99601>99603 99801>99803 99811>99803"},
    {'5',
     "81520>81521 83323>83323 88100>88100 88103>88103 88510>88510 90530 93823>93823 "
     "95310>95310 95600>95600"},
    {'6',
     "81200>81201 82611>82610 83611>83610 84423>84421 84513>84511 84623>84621 84723>84721 "
     "84733>84731 85800>85800 86400>86401 88231>88230 89311>89313 90801>90801 93931>93933 "
     "94213>94211 95060>95061 95381>95383 99501>99503 99611>99613 99621>99623 99821>99823 "
     "99831>99833 99841>99843 99891>99893"},
};

TEST(IcdO2MorphologyMap, EveryExceptionRowAsListed) {
  int exceptions = 0;
  for (const auto& [cls, list] : kExceptionRows) {
    std::istringstream words(list);
    std::string word;
    while (words >> word) {
      const std::string key = word.substr(0, 5);
      const std::string expected = key + cls + (word.size() > 5 ? word.substr(6) : std::string());
      const int index = FindTableRow(IcdO2MorphologyMap, IcdO2MorphologyMapCount, key);
      ASSERT_GE(index, 0) << key;
      EXPECT_EQ(expected, IcdO2MorphologyMap[index]);
      ++exceptions;
    }
  }
  EXPECT_EQ(197, exceptions);
}

TEST(IcdO2MorphologyMap, CountsByClassBehaviourAndMorphology) {
  // The data holds 2146 rows where a complete table holds 2153: seven '*'
  // rows fewer (behaviour 0: 500 against 499, behaviour 2: 500 against 499,
  // behaviour 3: 620 against 629; 635 morphologies against 640). Every other
  // count is the complete table's.
  EXPECT_EQ(2146, IcdO2MorphologyMapCount);
  std::map<char, int> byClass, byBehaviour;
  std::set<std::string_view> morphologies;
  for (std::string_view row : IcdO2MorphologyMap) {
    ++byClass[row[5]];
    ++byBehaviour[row[4]];
    morphologies.insert(row.substr(0, 4));
  }
  EXPECT_EQ((std::map<char, int>{
                {'*', 1949}, {'0', 63}, {'1', 7}, {'2', 4}, {'3', 90}, {'5', 9}, {'6', 24}}),
            byClass);
  EXPECT_EQ(
      (std::map<char, int>{{'0', 500}, {'1', 517}, {'2', 500}, {'3', 620}, {'6', 6}, {'9', 3}}),
      byBehaviour);
  EXPECT_EQ(635u, morphologies.size());
}

TEST(IcdO2MorphologyMap, RowFormsAndOrder) {
  for (int i = 0; i < IcdO2MorphologyMapCount; ++i) {
    const std::string_view row = IcdO2MorphologyMap[i];
    for (int c = 0; c < 5; ++c) EXPECT_TRUE(row[c] >= '0' && row[c] <= '9') << row;
    const bool withTarget = row[5] == '1' || row[5] == '3' || row[5] == '5' || row[5] == '6';
    if (row == "905305") continue;  // the deleted code has no target
    ASSERT_EQ(withTarget ? 11u : 6u, row.size()) << row;
    for (size_t c = 6; c < row.size(); ++c) EXPECT_TRUE(row[c] >= '0' && row[c] <= '9') << row;
    if (i > 0) {
      EXPECT_LT(IcdO2MorphologyMap[i - 1].substr(0, 5), row.substr(0, 5));
    }
  }
}

TEST(IcdO2MorphologyMap, TellingRows) {
  const char* const rows[] = {"81403*", "90533*", "805030", "872032", "91803191803", "905305"};
  for (const char* row : rows) {
    const int index =
        FindTableRow(IcdO2MorphologyMap, IcdO2MorphologyMapCount, std::string_view(row, 5));
    ASSERT_GE(index, 0) << row;
    EXPECT_EQ(row, IcdO2MorphologyMap[index]);
  }
  // Behaviours 6 and 9 exist in the table, although the converter refuses them.
  for (const char* key :
       {"80006", "80106", "80706", "81406", "84806", "84906", "80009", "80109", "88009"})
    EXPECT_GE(FindTableRow(IcdO2MorphologyMap, IcdO2MorphologyMapCount, key), 0) << key;
}

}  // namespace
