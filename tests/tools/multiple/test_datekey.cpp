#include "tools/multiple/datekey.h"

#include "common/dateformats.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace kelvarin;

namespace {

int Position(const char* name) {
  for (int p = 0; p < kDateFormatCount; ++p)
    if (std::strcmp(DateFormatNames[p], name) == 0) return p;
  ADD_FAILURE() << "no layout " << name;
  return -1;
}

struct DateCase {
  const char* layout;
  const char* field;
  std::int32_t expected;  // 0: invalid
};

const DateCase kDates[] = {
    // A year alone stands for 15 June, a year and a month for the 15th.
    {"YYYY", "2003", 20030615},
    {"YYYYMM", "200303", 20030315},
    {"MM/YYYY", "03/1987", 19870315},
    {"YYMM", "0311", 20031115},
    // Two-digit years: 50 and above are the 1900s, below are the 2000s.
    {"YY", "49", 20490615},
    {"YY", "50", 19500615},
    {"YYMMDD", "490101", 20490101},
    {"YYMMDD", "500101", 19500101},
    {"DD/MM/YY", "01/02/51", 19510201},
    // Three-digit years.
    {"YYY", "049", 20490615},
    {"YYY", "950", 19500615},
    {"YYY", "949", 0},
    {"YYY", "850", 0},
    // Years before 1950 are invalid.
    {"YYYY", "1949", 0},
    {"YYYY", "1950", 19500615},
    {"YYYYMMDD", "19491231", 0},
    {"YYYYMMDD", "19500101", 19500101},
    // Nothing counts as not stated: nines and blanks are read like digits.
    {"YY", "99", 19990615},
    {"YYY", "999", 19990615},
    {"YYYY", "9999", 99990615},
    {"YYYYMMDD", "99999999", 0},
    {"YY", "  ", 20000615},
    {"YYYYMMDD", "        ", 0},
    {"YYYYMMDD", "1999 1 5", 19990105},
    {"YYYYMMDD", "1999    ", 0},
    // Field orders and separators.
    {"DDMMYYYY", "25121999", 19991225},
    {"YYYYDDMM", "20012503", 20010325},
    {"MMDDYYYY", "03252001", 20010325},
    {"DD/MM/YYYY", "25-12-1999", 19991225},
    {"DD/MM/YYYY", "25/1x/1999", 0},
    {"YYYY/MM/DD", "2001.03.15", 20010315},
    // Month and day checks.
    {"YYYYMMDD", "20000229", 20000229},
    {"YYYYMMDD", "20010229", 0},
    {"YYYYMMDD", "20000230", 0},
    {"YYYYMMDD", "20010431", 0},
    {"YYYYMMDD", "20010531", 20010531},
    {"YYYYMMDD", "20011301", 0},
    {"YYYYMMDD", "20010100", 0},
    {"YYYYMM", "200100", 0},
};

}  // namespace

TEST(IncidenceDate, ReadsEveryLayoutAsTheRulesDo) {
  for (const DateCase& c : kDates) {
    std::int32_t date = -1;
    const bool valid = ParseIncidenceDate(c.field, Position(c.layout), &date);
    EXPECT_EQ(c.expected != 0, valid) << c.layout << " '" << c.field << "'";
    if (c.expected != 0) {
      EXPECT_EQ(c.expected, date) << c.layout << " '" << c.field << "'";
    }
  }
}

TEST(IncidenceDate, LeavesTheFieldUnchanged) {
  char field[] = "1999 1 5";
  std::int32_t date = 0;
  ASSERT_TRUE(ParseIncidenceDate(field, Position("YYYYMMDD"), &date));
  EXPECT_STREQ("1999 1 5", field);
}

TEST(DateKey, StoredIndexCountsLayoutsOfTheFieldWidth) {
  // Width 8, index 1 is DDMMYYYY; width 6, index 5 is DDMMYY.
  DateKey key = MakeDateKey("25121999", 8, 1, 7);
  EXPECT_EQ(19991225, key.date);
  EXPECT_EQ(7, key.sequence);
  key = MakeDateKey("251299", 6, 5, 3);
  EXPECT_EQ(19991225, key.date);
  EXPECT_EQ(3, key.sequence);
}

TEST(DateKey, NoLayoutOrInvalidDateGivesZeroWhateverTheSequence) {
  // Width 4 has three layouts; index 3 names none.
  EXPECT_EQ(DateKey{}, MakeDateKey("2003", 4, 3, 12));
  EXPECT_EQ(DateKey{}, MakeDateKey("1949", 4, 0, 12));
  EXPECT_EQ(DateKey{}, MakeDateKey("2003", 4, -1, 12));
  const DateKey valid = MakeDateKey("2003", 4, 0, 12);
  EXPECT_EQ(20030615, valid.date);
  EXPECT_EQ(12, valid.sequence);
}

// Up to sequence 99 the key orders exactly like YYYYMMDD x 100 + sequence.
TEST(DateKey, OrdersLikeThePackedNumberUpTo99) {
  const std::int32_t dates[] = {0, 19500101, 20010315, 20010316, 20020101};
  const std::int64_t sequences[] = {0, 1, 2, 10, 98, 99};
  std::vector<DateKey> keys;
  for (std::int32_t d : dates)
    for (std::int64_t s : sequences) keys.push_back(DateKey{d, d == 0 ? 0 : s});
  for (const DateKey& a : keys) {
    for (const DateKey& b : keys) {
      const std::int64_t packedA = std::int64_t{a.date} * 100 + a.sequence;
      const std::int64_t packedB = std::int64_t{b.date} * 100 + b.sequence;
      EXPECT_EQ(packedA < packedB, a < b)
          << a.date << "/" << a.sequence << " vs " << b.date << "/" << b.sequence;
      EXPECT_EQ(packedA == packedB, a == b);
    }
  }
}

TEST(DateKey, SequenceNumbersAbove99StayWithinTheirDate) {
  const DateKey d1s99{20010315, 99}, d1s100{20010315, 100}, d1s12345{20010315, 12345};
  const DateKey d2s0{20010316, 0};
  EXPECT_TRUE(d1s99 < d1s100);
  EXPECT_TRUE(d1s100 < d1s12345);
  // A large sequence on one day never passes the next day.
  EXPECT_TRUE(d1s12345 < d2s0);
  EXPECT_FALSE(d2s0 < d1s100);
}
