// The compiled-in tables of the older conversion programs: counts, classes,
// the rows that tell, and the properties the converters rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tests/tools/convert/older/codelists.h"
#include "tools/convert/older/icd10code.h"
#include "tools/convert/older/icd9code.h"
#include "tools/convert/older/icdo1converter.h"
#include "tools/convert/older/icdo2morphologycodes.h"

using namespace kelvarin;

namespace {

template <int N>
std::size_t CountClass(const std::string_view (&table)[N], char cls) {
  return static_cast<std::size_t>(std::count_if(
      table, table + N, [cls](std::string_view row) { return RowClass(row) == cls; }));
}

template <int N>
std::vector<std::string> RowsOfClass(const std::string_view (&table)[N], char cls) {
  std::vector<std::string> rows;
  for (std::string_view row : table) {
    if (RowClass(row) == cls) rows.emplace_back(row);
  }
  return rows;
}

template <int N>
std::vector<std::string> Texts(const std::string_view (&table)[N]) {
  std::vector<std::string> rows;
  for (std::string_view row : table) rows.emplace_back(row);
  return rows;
}

template <int N>
bool Contains(const std::string_view (&table)[N], const std::string& text) {
  return std::any_of(table, table + N, [&](std::string_view row) { return text == row; });
}

template <int N>
std::set<int> Keys(const std::string_view (&table)[N]) {
  std::set<int> keys;
  for (std::string_view row : table) keys.insert(RowNumber(row, 0, 4));
  return keys;
}

template <int N>
void ExpectSortedOnKeys(const std::string_view (&table)[N], const char* name) {
  for (std::size_t i = 1; i < N; ++i)
    EXPECT_LE(table[i - 1].substr(0, 4), table[i].substr(0, 4)) << name << " row " << table[i];
}

std::vector<std::string> FirstAndLast(const std::vector<std::string>& rows) {
  return {rows[0],
          rows[1],
          rows[2],
          rows[rows.size() - 3],
          rows[rows.size() - 2],
          rows[rows.size() - 1]};
}

}  // namespace

TEST(ConversionTables, EveryTableIsSortedOnItsKeys) {
  ExpectSortedOnKeys(IcdO1TopographyTable, "IcdO1TopographyTable");
  ExpectSortedOnKeys(IcdO1MorphologyTable, "IcdO1MorphologyTable");
  ExpectSortedOnKeys(FteMorphologyTable, "FteMorphologyTable");
  ExpectSortedOnKeys(Icd9RuleTable, "Icd9RuleTable");
  ExpectSortedOnKeys(Icd10RuleTable, "Icd10RuleTable");
  ExpectSortedOnKeys(IcdO2MorphologyCodes, "IcdO2MorphologyCodes");
}

TEST(ConversionTables, OnlyTheIcd9KeyOf2191IsRepeated) {
  std::vector<std::string> repeated;
  for (std::size_t i = 1; i < std::size(Icd9RuleTable); ++i) {
    if (Icd9RuleTable[i].substr(0, 4) == Icd9RuleTable[i - 1].substr(0, 4))
      repeated.emplace_back(Icd9RuleTable[i]);
  }
  EXPECT_EQ((std::vector<std::string>{"2191 1821", "2191 1828"}), repeated);
  for (const auto& table :
       {TableOf(IcdO1TopographyTable), TableOf(IcdO1MorphologyTable), TableOf(FteMorphologyTable),
        TableOf(Icd10RuleTable), TableOf(IcdO2MorphologyCodes)}) {
    for (int i = 1; i < table.count; ++i)
      EXPECT_LT(table.rows[i - 1].substr(0, 4), table.rows[i].substr(0, 4)) << table.rows[i];
  }
  const std::string_view* row = FindIcd9Rule("2191");
  ASSERT_NE(nullptr, row);
  EXPECT_EQ("2191 1820", *row);
}

TEST(ConversionTables, IcdO1TopographyTable) {
  EXPECT_EQ(304u, std::size(IcdO1TopographyTable));
  EXPECT_EQ(293u, CountClass(IcdO1TopographyTable, ' '));
  const std::vector<std::string> special = {"17101490", "17121491", "17131492", "17141493",
                                            "17151494", "17161495", "17171496", "17181498",
                                            "17191499", "18202549", "19403749"};
  std::vector<std::string> found;
  for (std::string_view row : IcdO1TopographyTable) {
    if (RowClass(row) != ' ') found.emplace_back(row);
    EXPECT_EQ(8u, row.size()) << row;
    EXPECT_GE(RowNumber(row, 0, 4), 1400) << row;
    EXPECT_LE(RowNumber(row, 0, 4), 1999) << row;
    EXPECT_GE(RowNumber(row, 5, 3), 0) << row;
    EXPECT_LE(RowNumber(row, 5, 3), 809) << row;
  }
  EXPECT_EQ(special, found);
  EXPECT_EQ((std::vector<std::string>{"1400 000", "1401 001", "1403 003", "1968 778", "1969 779",
                                      "1999 809"}),
            FirstAndLast(Texts(IcdO1TopographyTable)));
}

TEST(ConversionTables, IcdO1MorphologyTable) {
  // The data holds a superset of the '*' rows (563 against 487), so 619 rows
  // against 543; the replacement and rule rows are complete.
  EXPECT_EQ(619u, std::size(IcdO1MorphologyTable));
  EXPECT_EQ(563u, CountClass(IcdO1MorphologyTable, '*'));
  EXPECT_EQ(
      (std::vector<std::string>{
          "803518010", "877518770", "883118830", "896118960", "896218960", "91111????", "960019686",
          "960119590", "960219685", "961019592", "961119671", "961219684", "961319675", "961419676",
          "961519595", "961619704", "962019670", "962119673", "962219674", "962319672", "962419681",
          "963019672", "963119592", "963219683", "963319682", "963419682", "964019680", "964119593",
          "964219698", "965119657", "965619663", "965719664", "971019594", "972119720", "973019732",
          "975019687", "981019800", "986519800", "992019910", "995119931", "999018000"}),
      RowsOfClass(IcdO1MorphologyTable, '1'));
  EXPECT_EQ((std::vector<std::string>{"82402", "82422", "84412", "84502", "84602", "84612", "84702",
                                      "84712", "88612", "88912", "88922", "89602", "89812", "97312",
                                      "99402"}),
            RowsOfClass(IcdO1MorphologyTable, '2'));
  EXPECT_EQ((std::vector<std::string>{"8000*", "8001*", "8002*", "9962*", "9970*", "999018000"}),
            FirstAndLast(Texts(IcdO1MorphologyTable)));
  // 273.3 of ICD-9 must fail in the second stage: 9761 is not an ICD-O-1 code.
  EXPECT_EQ(0u, Keys(IcdO1MorphologyTable).count(9761));
}

TEST(ConversionTables, FteMorphologyTable) {
  // Superset as above: 604 '*' rows against 581, so 630 rows against 607.
  EXPECT_EQ(630u, std::size(FteMorphologyTable));
  EXPECT_EQ(604u, CountClass(FteMorphologyTable, '*'));
  EXPECT_EQ((std::vector<std::string>{"877518770", "961619704", "962419681", "963419682",
                                      "965119657", "965619663", "965719664", "973019732",
                                      "976219763", "976319764", "976419765", "999018000"}),
            RowsOfClass(FteMorphologyTable, '1'));
  std::vector<std::string> rules = RowsOfClass(IcdO1MorphologyTable, '2');
  rules.erase(std::find(rules.begin(), rules.end(), "82422"));
  EXPECT_EQ(rules, RowsOfClass(FteMorphologyTable, '2'));
  EXPECT_EQ((std::vector<std::string>{"8000*", "8001*", "8002*", "9970*", "9980*", "999018000"}),
            FirstAndLast(Texts(FteMorphologyTable)));
}

TEST(ConversionTables, FieldTrialAndIcdO1MorphologiesDifferAsListed) {
  const std::set<int> icdO1 = Keys(IcdO1MorphologyTable);
  const std::set<int> fieldTrial = Keys(FteMorphologyTable);
  std::set<int> onlyIcdO1;
  std::set_difference(icdO1.begin(), icdO1.end(), fieldTrial.begin(), fieldTrial.end(),
                      std::inserter(onlyIcdO1, onlyIcdO1.end()));
  std::set<int> onlyFieldTrial;
  std::set_difference(fieldTrial.begin(), fieldTrial.end(), icdO1.begin(), icdO1.end(),
                      std::inserter(onlyFieldTrial, onlyFieldTrial.end()));

  std::set<int> lacked = {8035, 8242, 8831, 8961, 8962, 9111, 9600, 9601,
                          9602, 9710, 9721, 9750, 9810, 9865, 9920, 9951};
  for (int code = 9610; code <= 9615; ++code) lacked.insert(code);
  for (int code = 9620; code <= 9623; ++code) lacked.insert(code);
  for (int code = 9630; code <= 9633; ++code) lacked.insert(code);
  for (int code = 9640; code <= 9642; ++code) lacked.insert(code);
  EXPECT_EQ(33u, lacked.size());
  EXPECT_EQ(lacked, onlyIcdO1);

  std::set<int> named = {8044, 8045, 8155, 8171, 8202, 8314, 8315, 8442,
                         8451, 8452, 8462, 8472, 8473, 9658, 9659};
  for (int code = 8245; code <= 8248; ++code) named.insert(code);
  for (int code = 9592; code <= 9594; ++code) named.insert(code);
  for (int code = 9663; code <= 9667; ++code) named.insert(code);
  for (int code = 9670; code <= 9676; ++code) named.insert(code);
  for (int code = 9680; code <= 9684; ++code) named.insert(code);
  for (int code : named) EXPECT_EQ(1u, onlyFieldTrial.count(code)) << code;
  // The ICD-O-1 list of the data being a superset, only 44 field-trial codes
  // are missing from it (97 with complete lists).
  EXPECT_EQ(44u, onlyFieldTrial.size());
}

TEST(ConversionTables, Icd9RuleTableClasses) {
  // The data lacks three ' ' rows: 593 rows, 208 of class ' ' (596 and 211).
  EXPECT_EQ(593u, std::size(Icd9RuleTable));
  const std::vector<std::pair<char, std::size_t>> counts = {
      {' ', 208}, {'0', 5}, {'*', 290}, {'4', 13}, {'5', 8}, {'6', 29},
      {'8', 1},   {'1', 1}, {'2', 10},  {'3', 18}, {'7', 10}};
  std::size_t total = 0;
  for (const auto& [cls, count] : counts) {
    EXPECT_EQ(count, CountClass(Icd9RuleTable, cls)) << "class '" << cls << "'";
    total += count;
  }
  EXPECT_EQ(std::size(Icd9RuleTable), total);

  EXPECT_EQ(
      (std::vector<std::string>{"217 01749", "217901749", "233001749", "238301749", "239301749"}),
      RowsOfClass(Icd9RuleTable, '0'));
  EXPECT_EQ((std::vector<std::string>{"15521"}), RowsOfClass(Icd9RuleTable, '1'));
  EXPECT_EQ((std::vector<std::string>{"238781699"}), RowsOfClass(Icd9RuleTable, '8'));
  EXPECT_EQ((std::vector<std::string>{"17202", "17212", "17222", "17232", "17242", "17252", "17262",
                                      "17272", "17282", "17292"}),
            RowsOfClass(Icd9RuleTable, '2'));
  const std::vector<std::string> third = RowsOfClass(Icd9RuleTable, '3');
  EXPECT_EQ("19703", third.front());
  EXPECT_EQ("19883", third.back());
  EXPECT_EQ((std::vector<std::string>{"19607", "19617", "19627", "19637", "19657", "19667", "19687",
                                      "19697", "214 71999", "214971999"}),
            RowsOfClass(Icd9RuleTable, '7'));
  EXPECT_EQ(
      (std::vector<std::string>{"1400*", "1401*", "1403*", "2398 1999", "2399 1999", "273369761"}),
      FirstAndLast(Texts(Icd9RuleTable)));
  for (const char* row : {"1591 1692", "2100 1409", "2377 1929", "175  1759"})
    EXPECT_TRUE(Contains(Icd9RuleTable, row)) << row;
  for (std::string_view row : Icd9RuleTable) {
    if (RowClass(row) == '*') {
      EXPECT_GE(RowNumber(row, 0, 4), 1400) << row;
      EXPECT_LE(RowNumber(row, 0, 4), 1958) << row;
    }
  }
}

TEST(ConversionTables, Icd9MorphologyRows) {
  auto morphologies = [](char cls) {
    std::vector<std::pair<int, int>> pairs;
    for (std::string_view row : Icd9RuleTable) {
      if (RowClass(row) == cls) pairs.emplace_back(RowNumber(row, 0, 4), RowNumber(row, 5, 4));
    }
    return pairs;
  };
  EXPECT_EQ((std::vector<std::pair<int, int>>{
                {2030, 9730}, {2031, 9830}, {2038, 9731}, {2040, 9821}, {2041, 9823}, {2042, 9822},
                {2048, 9824}, {2049, 9820}, {2050, 9861}, {2051, 9863}, {2052, 9862}, {2053, 9930},
                {2058, 9864}, {2059, 9860}, {2060, 9891}, {2061, 9893}, {2062, 9892}, {2068, 9894},
                {2069, 9890}, {2070, 9840}, {2071, 9842}, {2072, 9910}, {2078, 9850}, {2080, 9801},
                {2081, 9803}, {2082, 9802}, {2088, 9804}, {2089, 9800}, {2733, 9761}}),
            morphologies('6'));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{2000, 9640},
                                              {2001, 9610},
                                              {2002, 9750},
                                              {2008, 9611},
                                              {2020, 9690},
                                              {2021, 9700},
                                              {2022, 9701},
                                              {2023, 9721},
                                              {2024, 9940},
                                              {2025, 9722},
                                              {2026, 9740},
                                              {2028, 9591},
                                              {2029, 9590}}),
            morphologies('4'));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{2010, 9660},
                                              {2011, 9661},
                                              {2012, 9662},
                                              {2014, 9651},
                                              {2015, 9656},
                                              {2016, 9652},
                                              {2017, 9653},
                                              {2019, 9650}}),
            morphologies('5'));
}

// Every site the ICD-9 first stage can hand on must be a key of the ICD-O-1
// topography table, or the second stage refuses it.
TEST(ConversionTables, EverySiteTheIcd9StageHandsOnIsAnIcdO1Site) {
  const std::set<int> sites = Keys(IcdO1TopographyTable);
  for (std::string_view row : Icd9RuleTable) {
    const int code = Icd9CodeNumber(row.data());
    switch (RowClass(row)) {
      case ' ':
      case '0':
      case '8':
        EXPECT_EQ(1u, sites.count(RowNumber(row, 5, 4))) << row;
        break;
      case '*':
        EXPECT_EQ(1u, sites.count(code)) << row;
        break;
      case '2':
        EXPECT_EQ(1u, sites.count(code + 10)) << row;
        break;
      default:
        break;
    }
  }
  for (int fixed : {1550, 1999, 1739, 1969, 1691, 1759, 1690})
    EXPECT_EQ(1u, sites.count(fixed)) << fixed;
}

TEST(ConversionTables, Icd10RuleTableClasses) {
  // The data has one D row more than the table should: 759 rows, 289 of them D,
  // 232 of class ' ' (758, 288 and 231).
  EXPECT_EQ(759u, std::size(Icd10RuleTable));
  const auto d = std::count_if(std::begin(Icd10RuleTable), std::end(Icd10RuleTable),
                               [](std::string_view row) { return row[0] == 'D'; });
  EXPECT_EQ(289, d);
  EXPECT_EQ(470, static_cast<long>(std::size(Icd10RuleTable)) - d);
  const std::vector<std::pair<char, std::size_t>> counts = {
      {'*', 323}, {' ', 232}, {'7', 48}, {'6', 42}, {'2', 29}, {'+', 20}, {'5', 18}, {'3', 9},
      {'A', 9},   {'1', 7},   {'4', 7},  {'8', 4},  {'9', 4},  {'B', 2},  {'C', 4},  {'E', 1}};
  std::size_t total = 0;
  for (const auto& [cls, count] : counts) {
    EXPECT_EQ(count, CountClass(Icd10RuleTable, cls)) << "class '" << cls << "'";
    total += count;
  }
  EXPECT_EQ(std::size(Icd10RuleTable), total);
  for (std::string_view row : Icd10RuleTable) {
    const std::size_t length = row.size();
    switch (RowClass(row)) {
      case '*':
      case '8':
      case 'C':
      case 'E':
        EXPECT_EQ(5u, length) << row;
        break;
      case '6':
      case '7':
      case 'B':
        EXPECT_EQ(11u, length) << row;
        break;
      default:
        EXPECT_EQ(9u, length) << row;
        EXPECT_EQ('C', row[5]) << row;
        EXPECT_GE(RowNumber(row, 6, 3), 0) << row;
    }
  }
  EXPECT_EQ(
      (std::vector<std::string>{"C000*", "C001*", "C002*", "D486 C509", "D487+C767", "D489 C809"}),
      FirstAndLast(Texts(Icd10RuleTable)));
}

TEST(ConversionTables, Icd10SmallClassesInFull) {
  EXPECT_EQ((std::vector<std::string>{"C2201C220", "C2211C221", "C2221C220", "C2231C220",
                                      "C2241C220", "C2271C220", "C2291C220"}),
            RowsOfClass(Icd10RuleTable, '1'));
  EXPECT_EQ(
      (std::vector<std::string>{"C4503C384", "C4513C481", "C4523C380", "C4573C809", "C4593C809",
                                "D1903C384", "D1913C482", "D1973C809", "D1993C809"}),
      RowsOfClass(Icd10RuleTable, '3'));
  EXPECT_EQ((std::vector<std::string>{"C4604C449", "C4614C499", "C4624C059", "C4634C779",
                                      "C4674C767", "C4684C768", "C4694C809"}),
            RowsOfClass(Icd10RuleTable, '4'));
  EXPECT_EQ((std::vector<std::string>{"C9678", "C9698", "D3578", "D4678"}),
            RowsOfClass(Icd10RuleTable, '8'));
  EXPECT_EQ((std::vector<std::string>{"D0509C509", "D0519C509", "D0579C509", "D0599C509"}),
            RowsOfClass(Icd10RuleTable, '9'));
  EXPECT_EQ(
      (std::vector<std::string>{"D170AC490", "D171AC496", "D172AC492", "D173AC499", "D174AC398",
                                "D175AC762", "D176AC631", "D177AC482", "D179AC809"}),
      RowsOfClass(Icd10RuleTable, 'A'));
  EXPECT_EQ((std::vector<std::string>{"D180B912009", "D181B917009"}),
            RowsOfClass(Icd10RuleTable, 'B'));
  EXPECT_EQ((std::vector<std::string>{"D250C", "D251C", "D252C", "D259C"}),
            RowsOfClass(Icd10RuleTable, 'C'));
  EXPECT_EQ((std::vector<std::string>{"D477E"}), RowsOfClass(Icd10RuleTable, 'E'));

  std::vector<std::string> plusKeys;
  for (const std::string& row : RowsOfClass(Icd10RuleTable, '+'))
    plusKeys.push_back(row.substr(0, 4));
  EXPECT_EQ((std::vector<std::string>{"D015", "D023", "D097", "D282", "D287", "D330", "D331",
                                      "D337", "D376", "D377", "D379", "D381", "D385", "D397",
                                      "D407", "D417", "D430", "D431", "D437", "D487"}),
            plusKeys);
  EXPECT_TRUE(Contains(Icd10RuleTable, "C01  C019"));
  EXPECT_TRUE(Contains(Icd10RuleTable, "C8106965739"));
}

TEST(ConversionTables, Icd10RangeClasses) {
  std::vector<std::string> melanoma;
  for (const std::string& row : RowsOfClass(Icd10RuleTable, '2')) {
    melanoma.push_back(row.substr(0, 4));
    const int skin = std::stoi(row.substr(6, 3));
    EXPECT_GE(skin, 440) << row;
    EXPECT_LE(skin, 449) << row;
  }
  std::vector<std::string> expected;
  for (char s = '0'; s <= '9'; ++s) expected.push_back(std::string("C43") + s);
  for (char s = '0'; s <= '9'; ++s) expected.push_back(std::string("D03") + s);
  for (char s = '0'; s <= '7'; ++s) expected.push_back(std::string("D22") + s);
  expected.push_back("D229");
  EXPECT_EQ(expected, melanoma);

  std::vector<std::string> secondary;
  for (const std::string& row : RowsOfClass(Icd10RuleTable, '5')) {
    secondary.push_back(row.substr(0, 4));
    EXPECT_EQ("C809", row.substr(5)) << row;
  }
  expected.clear();
  for (const char* category : {"C78", "C79"})
    for (char s = '0'; s <= '8'; ++s) expected.push_back(category + std::string(1, s));
  EXPECT_EQ(expected, secondary);

  for (const std::string& row : RowsOfClass(Icd10RuleTable, '6')) {
    const int nnn = std::stoi(row.substr(1, 3));
    EXPECT_TRUE(row[0] == 'C' && nnn >= 810 && nnn <= 963) << row;
  }
  std::vector<std::string> myeloD;
  for (const std::string& row : RowsOfClass(Icd10RuleTable, '7')) {
    if (row[0] == 'D') {
      myeloD.push_back(row.substr(0, 4));
    } else {
      EXPECT_TRUE(row >= "C900" && row < "C96") << row;
    }
  }
  EXPECT_EQ((std::vector<std::string>{"D45 ", "D459", "D460", "D461", "D462", "D463", "D464",
                                      "D469", "D470", "D471", "D472", "D473", "D479"}),
            myeloD);
}

TEST(ConversionTables, CodeOnlyEditionReadsThreeRowsDifferently) {
  const std::vector<std::pair<const char*, const char*>> differing = {
      {"C8446970235", "C8446970535"}, {"C9277986839", "C9277986039"}, {"D477E", "D4778"}};
  for (const auto& [withMorphology, codeOnly] : differing) {
    EXPECT_TRUE(Contains(Icd10RuleTable, withMorphology)) << withMorphology;
    EXPECT_EQ(withMorphology, *FindIcd10Rule(withMorphology, Icd10RuleEdition::kWithMorphology));
    EXPECT_EQ(codeOnly, *FindIcd10Rule(codeOnly, Icd10RuleEdition::kCodeOnly));
  }
  // Class counts as the code-only program sees them: one more '8', no 'E'.
  int eight = 0;
  int e = 0;
  int same = 0;
  for (const std::string_view& row : Icd10RuleTable) {
    const std::string_view* seen = FindIcd10Rule(row.data(), Icd10RuleEdition::kCodeOnly);
    ASSERT_NE(nullptr, seen);
    eight += RowClass(*seen) == '8';
    e += RowClass(*seen) == 'E';
    same += seen == &row;
  }
  EXPECT_EQ(5, eight);
  EXPECT_EQ(0, e);
  EXPECT_EQ(static_cast<int>(std::size(Icd10RuleTable)) - 3, same);
  EXPECT_EQ(nullptr, FindIcd10Rule("c509", Icd10RuleEdition::kWithMorphology));
  EXPECT_EQ(nullptr, FindIcd10Rule("C50 ", Icd10RuleEdition::kCodeOnly));
}

TEST(ConversionTables, IcdO2MorphologyCodes) {
  // One code more in the data than the list should hold (633).
  EXPECT_EQ(634u, std::size(IcdO2MorphologyCodes));
  EXPECT_EQ("8000", IcdO2MorphologyCodes[0]);
  EXPECT_EQ("9989", IcdO2MorphologyCodes[std::size(IcdO2MorphologyCodes) - 1]);
  for (std::string_view code : IcdO2MorphologyCodes) EXPECT_EQ(4u, code.size()) << code;
  for (int code : {8500, 8520, 9950, 9766, 9767, 9768, 9761, 9764})
    EXPECT_NE(nullptr, FindNumberRow(TableOf(IcdO2MorphologyCodes), code)) << code;
}

TEST(ConversionTables, ReviewCodes) {
  // The review lists as the rules print them; every other code is no review code.
  const std::string_view sites =
      "1409,1455,1460,1468,1548,1579,1598,1608,1709,1844,1849,1869,1874,1878,1915,1920,1921,"
      "1922,1943,1958";
  const std::string_view morphologies =
      "8940,9380,9590,9630,9640,9641,9651,9656,9720,9861,9863,9940";
  EXPECT_EQ(20u, std::size(ReviewSiteCodes));
  EXPECT_EQ(12u, std::size(ReviewMorphologyCodes));
  for (int site = 1000; site <= 2999; ++site)
    EXPECT_EQ(test::InCodeList(site, sites), IsReviewSiteCode(site)) << site;
  for (int morphology = 7000; morphology <= 9999; ++morphology)
    EXPECT_EQ(test::InCodeList(morphology, morphologies), IsReviewMorphologyCode(morphology))
        << morphology;
}

TEST(ConversionTables, CodeNumbersReadABlankSubsiteAsZero) {
  EXPECT_EQ(2170, Icd9CodeNumber("217 "));
  EXPECT_EQ(2179, Icd9CodeNumber("2179"));
  EXPECT_EQ(1750, Icd9CodeNumber("175 "));
  EXPECT_EQ(45, Icd10TwoDigits("D45 "));
  EXPECT_EQ(450, Icd10ThreeDigits("D45 "));
  EXPECT_EQ(459, Icd10ThreeDigits("D459"));
  EXPECT_EQ(5, Icd10TwoDigits("D057"));
  EXPECT_EQ(57, Icd10ThreeDigits("D057"));
}
