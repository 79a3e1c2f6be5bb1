#include "tools/check/iccctable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/check/codetables.h"

namespace kelvarin {
namespace {

// A row described as in the classification's own summary: one value for
// most site classes and the classes that differ.
struct TellingRow {
  int morphology;
  int usual;
  std::map<int, std::vector<int>> others;  // value -> site classes
};

const std::vector<TellingRow>& TellingRows() {
  static const std::vector<TellingRow> rows = {
      {8000,
       12200,
       {{7300, {12}},
        {8500, {17}},
        {10500, {28, 30}},
        {6300, {32}},
        {3600, {37, 38, 39, 43, 44, 45}}}},
      {9500, 4100, {}},
      {9510, 5100, {}},
      {9687, 2300, {}},
      {9650, 2100, {}},
      {9732, 2202, {}},
      {9590, 2500, {}},
      {8720, 11400, {}},
      {9050, 12105, {}},
      {8960, 6101, {}},
      {9100, 10205, {{10305, {28, 30}}, {10105, {37, 38, 39, 43, 44, 45}}}},
      {9180, 0, {{8100, {17, 47, 49}}, {9409, {22}}}},
      {8140,
       11610,
       {{11601, {2}},
        {11300, {4}},
        {11602, {6, 8, 9, 10, 11}},
        {11603, {7}},
        {7200, {12}},
        {11604, {14}},
        {11605, {15}},
        {11500, {19}},
        {11606, {23}},
        {11607, {25}},
        {10400, {28, 30}},
        {6200, {32}},
        {11608, {34}},
        {11609, {36}},
        {11200, {40}},
        {11600, {48}},
        {11611, {47, 49}},
        {0, {17, 18, 20, 22, 41}}}},
  };
  return rows;
}

const std::int16_t* RowOf(int morphology) {
  for (const auto& row : IcccTable)
    if (row[0] == morphology) return row;
  return nullptr;
}

TEST(IcccTable, EveryCellOfTheTellingRows) {
  int cells = 0;
  for (const TellingRow& telling : TellingRows()) {
    const std::int16_t* row = RowOf(telling.morphology);
    ASSERT_NE(nullptr, row) << telling.morphology;
    std::map<int, int> expected;
    for (int k = 1; k <= kSiteClassCount; ++k) expected[k] = telling.usual;
    for (const auto& [value, classes] : telling.others)
      for (int k : classes) expected[k] = value;
    for (int k = 1; k <= kSiteClassCount; ++k, ++cells)
      EXPECT_EQ(expected[k], row[k]) << telling.morphology << " class " << k;
  }
  EXPECT_EQ(637, cells);
}

TEST(IcccTable, RowsFollowMorphologyCodes) {
  for (int i = 0; i < kIcccRowCount; ++i)
    ASSERT_EQ(MorphologyCodes[static_cast<std::size_t>(i)], IcccTable[i][0]) << "row " << i;
}

// The data's own figures: 116 distinct values and 516 uniform rows (474
// rows of one category and 42 codes later than the classification, all 0).
TEST(IcccTable, DistinctValuesAndUniformRows) {
  std::set<int> values;
  int uniform = 0;
  std::vector<int> zeroRows;
  for (const auto& row : IcccTable) {
    bool same = true;
    for (int k = 1; k <= kSiteClassCount; ++k) {
      values.insert(row[k]);
      same = same && row[k] == row[1];
    }
    if (same) ++uniform;
    if (same && row[1] == 0) zeroRows.push_back(row[0]);
  }
  EXPECT_EQ(116u, values.size());
  EXPECT_EQ(516, uniform);
  const std::vector<int> expectedZeroRows = {
      8158, 8265, 9395, 9425, 9431, 9432, 9509, 9597, 9688, 9712, 9724, 9725, 9726, 9735,
      9737, 9738, 9751, 9752, 9753, 9759, 9806, 9807, 9808, 9809, 9811, 9812, 9813, 9814,
      9815, 9816, 9817, 9818, 9865, 9869, 9898, 9911, 9965, 9966, 9967, 9971, 9991, 9992};
  EXPECT_EQ(expectedZeroRows, zeroRows);
}

TEST(IcccTable, EveryValueIsACategoryEncoding) {
  for (const auto& row : IcccTable) {
    for (int k = 1; k <= kSiteClassCount; ++k) {
      const int v = row[k];
      if (v == 0) continue;
      EXPECT_TRUE(v / 1000 >= 1 && v / 1000 <= 12 && (v / 100) % 10 >= 1)
          << row[0] << " class " << k << ": " << v;
    }
  }
}

// The compiled table against the data file it is generated from.
TEST(IcccTable, MatchesItsDataFile) {
  std::ifstream in(KELVARIN_CHECK_DATA_DIR "/iccc3-extended-table.csv");
  ASSERT_TRUE(in.is_open());
  std::string line;
  ASSERT_TRUE(std::getline(in, line));
  int row = 0;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    ASSERT_LT(row, kIcccRowCount);
    std::stringstream fields(line);
    std::string field;
    int column = 0;
    while (std::getline(fields, field, ',')) {
      ASSERT_LT(column, kSiteClassCount + 1);
      EXPECT_EQ(std::stoi(field), IcccTable[row][column]) << "row " << row << " column " << column;
      ++column;
    }
    EXPECT_EQ(kSiteClassCount + 1, column);
    ++row;
  }
  EXPECT_EQ(kIcccRowCount, row);
}

TEST(SiteClass, ClassesOfTellingSites) {
  const std::vector<std::pair<int, int>> cases = {{0, 1},
                                                  {69, 1},
                                                  {70, kNoSiteClass},
                                                  {78, kNoSiteClass},
                                                  {79, 2},
                                                  {89, 2},
                                                  {90, 3},
                                                  {119, 4},
                                                  {129, 5},
                                                  {179, 5},
                                                  {180, 6},
                                                  {181, 7},
                                                  {182, 8},
                                                  {199, 9},
                                                  {209, 10},
                                                  {218, 11},
                                                  {221, 12},
                                                  {239, 13},
                                                  {339, 13},
                                                  {340, 14},
                                                  {379, 15},
                                                  {384, 16},
                                                  {400, 17},
                                                  {419, 17},
                                                  {424, 18},
                                                  {449, 19},
                                                  {479, 20},
                                                  {488, 21},
                                                  {499, 22},
                                                  {501, 23},
                                                  {529, 24},
                                                  {539, 25},
                                                  {549, 26},
                                                  {559, 27},
                                                  {569, 28},
                                                  {570, 29},
                                                  {619, 29},
                                                  {620, 30},
                                                  {639, 31},
                                                  {649, 32},
                                                  {669, 33},
                                                  {679, 34},
                                                  {689, 35},
                                                  {699, 36},
                                                  {700, 37},
                                                  {722, 37},
                                                  {723, 38},
                                                  {724, 39},
                                                  {739, 40},
                                                  {749, 41},
                                                  {750, 42},
                                                  {751, 43},
                                                  {752, 44},
                                                  {753, 45},
                                                  {754, 46},
                                                  {768, 47},
                                                  {770, 48},
                                                  {809, 49},
                                                  {800, kNoSiteClass},
                                                  {-1, kNoSiteClass}};
  for (const auto& [topography, siteClass] : cases)
    EXPECT_EQ(siteClass, SiteClass(topography)) << topography;
}

TEST(SiteClass, EveryTopographyCodeHasAClass) {
  for (int code : TopographyCodes) EXPECT_NE(kNoSiteClass, SiteClass(code)) << code;
}

TEST(LookupIccc, RowColumnAndMisses) {
  EXPECT_EQ(4100, LookupIccc(740, 9500));
  EXPECT_EQ(7300, LookupIccc(220, 8000));
  EXPECT_EQ(11600, LookupIccc(772, 8140));
  EXPECT_EQ(0, LookupIccc(420, 8140));
  EXPECT_EQ(kIcccNoMorphologyRow, LookupIccc(740, 8006));
  EXPECT_EQ(kIcccNoMorphologyRow, LookupIccc(75, 8006));
  EXPECT_EQ(kIcccNoSiteClass, LookupIccc(75, 9500));
}

}  // namespace
}  // namespace kelvarin
