#include "common/dateformats.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace kelvarin;

namespace {

// Expected stored indices per width, in table order.
struct WidthCase {
  int width;
  std::vector<std::string> names;
};

const WidthCase kWidths[] = {
    {1, {}},
    {2, {"YY"}},
    {3, {"YYY"}},
    {4, {"YYYY", "YYMM", "MMYY"}},
    {5, {"YY/MM", "MM/YY", "YYYMM", "MMYYY"}},
    {6, {"YYY/MM", "MM/YYY", "YYYYMM", "MMYYYY", "YYMMDD", "DDMMYY", "MMDDYY"}},
    {7, {"YYYY/MM", "MM/YYYY", "YYYMMDD", "DDMMYYY"}},
    {8, {"YYYYMMDD", "DDMMYYYY", "YY/MM/DD", "DD/MM/YY", "MM/DD/YY", "MMDDYYYY", "YYYYDDMM"}},
    {9, {"DD/MM/YYY", "YYY/MM/DD"}},
    {10, {"YYYY/MM/DD", "DD/MM/YYYY", "MM/DD/YYYY"}},
    {11, {}},
};

int Position(const char* name) {
  for (int p = 0; p < kDateFormatCount; ++p)
    if (std::strcmp(DateFormatNames[p], name) == 0) return p;
  return -1;
}

}  // namespace

TEST(DateFormats, TableHas32NamesClosedByEmptyEntry) {
  int count = 0;
  while (DateFormatNames[count][0] != '\0') ++count;
  EXPECT_EQ(32, count);
  EXPECT_STREQ("YY", DateFormatNames[0]);
  EXPECT_STREQ("YYYYMMDD", DateFormatNames[15]);
  EXPECT_STREQ("YYYYDDMM", DateFormatNames[31]);
}

TEST(DateFormats, IndexPerWidthFollowsTableOrder) {
  int total = 0;
  for (const auto& c : kWidths) {
    EXPECT_EQ(static_cast<int>(c.names.size()), DateFormatCountForWidth(c.width)) << c.width;
    for (size_t i = 0; i < c.names.size(); ++i) {
      const int position = DateFormatPosition(static_cast<int>(i), c.width);
      ASSERT_GE(position, 0) << c.width << " " << i;
      EXPECT_EQ(c.names[i], DateFormatNames[position]);
      EXPECT_EQ(static_cast<int>(i), DateFormatIndex(position));
    }
    EXPECT_EQ(-1, DateFormatPosition(static_cast<int>(c.names.size()), c.width));
    total += static_cast<int>(c.names.size());
  }
  EXPECT_EQ(32, total);
  EXPECT_EQ(-1, DateFormatPosition(3, 4));  // index too large for the width
  EXPECT_EQ(-1, DateFormatPosition(-1, 8));
}

TEST(IsAllDigits, BlanksBecomeZeroUpToTheFirstNonDigit) {
  char text[] = "1 2x 4";
  EXPECT_EQ(1, IsAllDigits(text, 6));
  EXPECT_STREQ("102x 4", text);  // the blank after x is left alone
  char digits[] = " 12 ";
  EXPECT_EQ(0, IsAllDigits(digits, 4));
  EXPECT_STREQ("0120", digits);
  char any[] = "abc";
  EXPECT_EQ(0, IsAllDigits(any, 0));
  EXPECT_EQ(0, IsAllDigits(any, -3));
  char high[] = "1\xb2";
  EXPECT_EQ(1, IsAllDigits(high, 2));
}

namespace {

struct ParseCase {
  const char* layout;
  const char* field;
  DateKind kind;
  DateResult result;
  int value;  // YYYYMMDD when valid
};

// One row per behaviour worth pinning; every layout appears at least once.
const ParseCase kParseCases[] = {
    {"YY", "49", kIncidenceDate, kDateValid, 20490701},
    {"YY", "49", kBirthDate, kDateValid, 19490701},
    {"YY", "50", kIncidenceDate, kDateValid, 19500701},
    {"YY", "50", kBirthDate, kDateValid, 19500701},
    {"YY", "  ", kIncidenceDate, kDateValid, 20000701},
    {"YY", "99", kIncidenceDate, kDateNotStated, 0},
    {"YY", "99", kBirthDate, kDateValid, 19990701},
    {"YY", "  ", kBirthDate, kDateNotStated, 0},
    {"YYY", "049", kIncidenceDate, kDateValid, 20490701},
    {"YYY", "850", kBirthDate, kDateValid, 18500701},
    {"YYY", "050", kIncidenceDate, kDateInvalid, 0},
    {"YYY", "   ", kIncidenceDate, kDateValid, 20000701},
    {"YYY", "999", kBirthDate, kDateValid, 19990701},
    {"YYYY", "1987", kIncidenceDate, kDateValid, 19870701},
    {"YYYY", "9999", kBirthDate, kDateValid, 99990701},
    {"YYYY", "    ", kIncidenceDate, kDateInvalid, 0},
    {"YYYY", "1799", kIncidenceDate, kDateInvalid, 0},
    {"YYMM", "8703", kIncidenceDate, kDateValid, 19870315},
    {"MMYY", "0387", kIncidenceDate, kDateValid, 19870315},
    {"YY/MM", "87/03", kIncidenceDate, kDateValid, 19870315},
    {"MM/YY", "03-87", kIncidenceDate, kDateValid, 19870315},
    {"YYYMM", "98703", kBirthDate, kDateValid, 19870315},
    {"MMYYY", "03987", kBirthDate, kDateValid, 19870315},
    {"YYY/MM", "987/03", kBirthDate, kDateValid, 19870315},
    {"MM/YYY", "03/987", kBirthDate, kDateValid, 19870315},
    {"YYYYMM", "198703", kIncidenceDate, kDateValid, 19870315},
    {"YYYYMM", "198713", kIncidenceDate, kDateInvalid, 0},
    {"MMYYYY", "031987", kIncidenceDate, kDateValid, 19870315},
    {"YYYY/MM", "1987/03", kIncidenceDate, kDateValid, 19870315},
    {"MM/YYYY", "03/1987", kIncidenceDate, kDateValid, 19870315},
    {"MM/YYYY", "99/9999", kBirthDate, kDateInvalid, 0},
    {"YYYYMMDD", "19991225", kIncidenceDate, kDateValid, 19991225},
    {"YYYYMMDD", "1999 1 5", kIncidenceDate, kDateValid, 19990105},
    {"YYYYMMDD", "1999    ", kIncidenceDate, kDateInvalid, 0},
    {"YYYYMMDD", "        ", kIncidenceDate, kDateInvalid, 0},
    {"YYYYMMDD", "        ", kBirthDate, kDateNotStated, 0},
    {"YYYYMMDD", "99999999", kIncidenceDate, kDateNotStated, 0},
    {"YYYYMMDD", "99999999", kBirthDate, kDateInvalid, 0},
    {"YYYYMMDD", "19000229", kIncidenceDate, kDateValid, 19000229},
    {"YYYYMMDD", "18000229", kIncidenceDate, kDateValid, 18000229},
    {"YYYYMMDD", "19990229", kIncidenceDate, kDateInvalid, 0},
    {"YYYYMMDD", "20000230", kIncidenceDate, kDateInvalid, 0},
    {"YYYYMMDD", "20000431", kIncidenceDate, kDateInvalid, 0},
    {"YYYYMMDD", "20000531", kIncidenceDate, kDateValid, 20000531},
    {"YYYYMMDD", "20000532", kIncidenceDate, kDateInvalid, 0},
    {"YYYYMMDD", "20000600", kIncidenceDate, kDateInvalid, 0},
    {"YYYYMMDD", "2000O601", kIncidenceDate, kDateInvalid, 0},
    {"DDMMYYYY", "25121999", kIncidenceDate, kDateValid, 19991225},
    {"YYYMMDD", "9991225", kBirthDate, kDateValid, 19991225},
    {"DDMMYYY", "2512999", kBirthDate, kDateValid, 19991225},
    {"YYMMDD", "991225", kIncidenceDate, kDateValid, 19991225},
    {"YYMMDD", "011225", kIncidenceDate, kDateValid, 20011225},
    {"YYMMDD", "011225", kBirthDate, kDateValid, 19011225},
    {"DDMMYY", "251299", kIncidenceDate, kDateValid, 19991225},
    {"MMDDYY", "122599", kIncidenceDate, kDateValid, 19991225},
    {"YYYY/MM/DD", "1999.12.25", kIncidenceDate, kDateValid, 19991225},
    {"DD/MM/YYYY", "25-12-1999", kIncidenceDate, kDateValid, 19991225},
    {"DD/MM/YYYY", "25/1x/1999", kIncidenceDate, kDateInvalid, 0},
    {"DD/MM/YYY", "25/12/999", kBirthDate, kDateValid, 19991225},
    {"YYY/MM/DD", "999/12/25", kBirthDate, kDateValid, 19991225},
    {"YY/MM/DD", "99/12/25", kIncidenceDate, kDateValid, 19991225},
    {"DD/MM/YY", "25/12/99", kIncidenceDate, kDateValid, 19991225},
    {"MM/DD/YY", "12/25/99", kIncidenceDate, kDateValid, 19991225},
    {"MMDDYYYY", "12251999", kIncidenceDate, kDateValid, 19991225},
    {"MM/DD/YYYY", "12/25/1999", kIncidenceDate, kDateValid, 19991225},
    {"YYYYDDMM", "19992512", kIncidenceDate, kDateValid, 19991225},
    {"YYYYDDMM", "19991225", kIncidenceDate, kDateInvalid, 0},
};

}  // namespace

TEST(ParseDate, AllLayoutsAndBothKinds) {
  bool seen[kDateFormatCount] = {};
  for (const auto& c : kParseCases) {
    const int position = Position(c.layout);
    ASSERT_GE(position, 0) << c.layout;
    seen[position] = true;
    ASSERT_EQ(std::strlen(c.layout), std::strlen(c.field)) << c.layout;
    const std::string before = c.field;
    int value = -1;
    EXPECT_EQ(c.result, ParseDate(c.field, position, c.kind, &value))
        << c.layout << " '" << c.field << "' kind " << c.kind;
    if (c.result == kDateValid) {
      EXPECT_EQ(c.value, value) << c.layout << " " << c.field;
    }
    EXPECT_EQ(before, c.field);  // the record is never changed
  }
  for (int p = 0; p < kDateFormatCount; ++p) EXPECT_TRUE(seen[p]) << DateFormatNames[p];
}

TEST(ParseDate, FieldLongerThanLayoutReadsOnlyTheLayoutWidth) {
  int value = 0;
  EXPECT_EQ(kDateValid, ParseDate("1987xyz", Position("YYYY"), kIncidenceDate, &value));
  EXPECT_EQ(19870701, value);
  EXPECT_EQ(kDateNotStated, ParseDate("99x", Position("YY"), kIncidenceDate, &value));
}
