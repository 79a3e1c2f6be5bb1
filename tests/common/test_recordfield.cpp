#include "common/recordfield.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace kelvarin;

namespace {

TEST(RecordField, ColumnCharOutsideTheRecordIsNul) {
  EXPECT_EQ('b', ColumnChar("abc", 2));
  EXPECT_EQ('\0', ColumnChar("abc", 4));
  EXPECT_EQ('\0', ColumnChar("abc", 0));
  EXPECT_EQ('\0', ColumnChar("abc", -1));
}

TEST(RecordField, DigitFieldTakesBlanksAsZerosAndLeavesTheText) {
  char text[] = "1 3x";
  EXPECT_TRUE(IsDigitField(text, 3));
  EXPECT_FALSE(IsDigitField(text, 4));
  EXPECT_STREQ("1 3x", text);
}

struct SexCase {
  const char* record;
  char male, female;
  int expected;
};

TEST(RecordField, SexIndexComparesWithoutRegardToCase) {
  const SexCase cases[] = {
      {"M", 'M', 'F', 0}, {"m", 'M', 'F', 0},  {"M", 'm', 'f', 0},  {"f", 'M', 'F', 1},
      {"F", 'm', 'f', 1}, {"X", 'M', 'F', -1}, {" ", 'M', 'F', -1}, {"1", '1', '2', 0},
      {"2", '1', '2', 1}, {"3", '1', '2', -1}, {"A", 'a', 'a', 0},  // the male code wins
  };
  for (const SexCase& c : cases)
    EXPECT_EQ(c.expected, SexIndex(c.record, 1, c.male, c.female)) << c.record;
}

TEST(RecordField, SexOutsideTheRecordIsNeitherCode) {
  EXPECT_EQ(-1, SexIndex("M", 2, 'M', 'F'));
  EXPECT_EQ(-1, SexIndex("M", 0, 'M', 'F'));
  EXPECT_EQ(-1, SexIndex("M", -1, 'M', 'F'));
}

struct ScanCase {
  const char* text;
  int width;
  bool found;
  int value;
};

TEST(RecordField, ScanDecimalReadsLikePercentNd) {
  const ScanCase cases[] = {
      {"509", 3, true, 509},
      {" 09", 3, true, 9},
      {"  9", 3, true, 9},
      {"5 1", 3, true, 5},
      {"5x1", 3, true, 5},
      {"x51", 3, false, 0},
      {"   ", 3, false, 0},
      {"-12", 3, true, -12},
      {"+12", 3, true, 12},
      {"-", 3, false, 0},
      {"12345", 3, true, 123},
      {"81403", 5, true, 81403},
      {"", 3, false, 0},
      // A number beyond the int range is held at the limit.
      {"99999999999", 11, true, INT_MAX},
      {"-99999999999", 12, true, INT_MIN},
      {"\t\n 42", 8, true, 42},
  };
  for (const ScanCase& c : cases) {
    int value = 777;
    EXPECT_EQ(c.found,
              ScanDecimal(c.text, static_cast<int>(std::string(c.text).size()), c.width, &value))
        << c.text;
    EXPECT_EQ(c.found ? c.value : 777, value) << c.text << ": unchanged when nothing is found";
  }
}

}  // namespace
