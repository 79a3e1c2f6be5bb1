// The small pieces of the conversion frame: sex/site rule on ICD-9 and ICD-O-1
// sites, message chains, record lines, table search and the descriptors.
#include "tools/convert/common/conversionfields.h"
#include "tools/convert/common/conversionprogram.h"
#include "tools/convert/common/messagechain.h"
#include "tools/convert/common/recordline.h"
#include "tools/convert/common/sexsiteicd9.h"
#include "tools/convert/common/tablesearch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

using namespace kelvarin;

namespace {

TEST(SexSiteIcd9, GenitalSitesOfTheOtherSexFail) {
  for (int site = 140; site <= 239; ++site) {
    const bool female = site >= 179 && site <= 184;
    const bool male = site >= 185 && site <= 187;
    EXPECT_EQ(female ? 1 : 0, CheckSexSiteIcd9(0, site)) << site;
    EXPECT_EQ(male ? 1 : 0, CheckSexSiteIcd9(1, site)) << site;
    EXPECT_EQ(0, CheckSexSiteIcd9(-1, site)) << site;
  }
}

const MessageRule kChain[] = {
    {kInvalidSexSiteFlag, 0, " (S) sex/site"},
    {kInvalidSexFlag, 0, " (S) sex"},
    {kInvalidBehaviourFlag, -2, " (B) behaviour"},
    {kInvalidSiteFlag, -1, " (T) site"},
    {0, -4, " (X) combination"},
    {kAnyFlag, kAnyResult, " (?)"},
};

struct ChainCase {
  unsigned flags;
  int result;
  const char* message;
};

TEST(MessageChain, FirstRuleThatAppliesWins) {
  const ChainCase cases[] = {
      {kInvalidSexSiteFlag | kInvalidSexFlag | kInvalidSiteFlag, 0, " (S) sex/site"},
      {kInvalidSexFlag | kInvalidBehaviourFlag, 0, " (S) sex"},
      {kInvalidSiteFlag | kInvalidBehaviourFlag, 0, " (B) behaviour"},
      {0, -2, " (B) behaviour"},
      {0, -1, " (T) site"},
      {0, -4, " (X) combination"},
      {0, -5, " (?)"},
      {kInvalidGradeFlag, 0, " (?)"},
  };
  const MessageChain chain = MakeMessageChain(kChain);
  for (const ChainCase& c : cases)
    EXPECT_STREQ(c.message, SelectMessage(chain, c.flags, c.result)) << c.flags << " " << c.result;
}

TEST(RecordLine, NumbersAsPrintfWritesThem) {
  const long values[] = {0, 7, 9, 10, 509, 809, 81403, -5, -12, 123456};
  const int widths[] = {0, 1, 3, 4, 5, 7};
  for (long value : values) {
    for (int width : widths) {
      for (char pad : {' ', '0'}) {
        char expected[32];
        std::snprintf(expected, sizeof expected, pad == '0' ? "%0*ld" : "%*ld", width, value);
        RecordLine line;
        line.Assign("x");
        line.AppendNumber(value, width, pad);
        EXPECT_EQ(std::string("x") + expected, line.View()) << value << " " << width << pad;
      }
    }
  }
}

TEST(RecordLine, KeepsEveryByteOfTheRecord) {
  const std::string record("a\0b\xff\x01z", 6);
  RecordLine line;
  line.Assign(record);
  line.Append(" C");
  line.Append('9');
  EXPECT_EQ(record + " C9", line.View());
  line.Overwrite(2, "XY");
  EXPECT_EQ(std::string("aXY\xff\x01z C9", 9), line.View());
}

const std::string_view kRows[] = {"1400*",     "1401*", "2191 1820", "2191 1821",
                                  "2191 1828", "219A",  "2398 1999"};

TEST(TableSearch, FindsTheFirstRowOfAKey) {
  const int count = static_cast<int>(std::size(kRows));
  EXPECT_EQ(0, FindTableRow(kRows, count, "1400"));
  EXPECT_EQ(1, FindTableRow(kRows, count, "1401"));
  EXPECT_EQ(2, FindTableRow(kRows, count, "2191"));
  EXPECT_EQ(5, FindTableRow(kRows, count, "219A"));
  EXPECT_EQ(6, FindTableRow(kRows, count, "2398"));
  EXPECT_EQ(-1, FindTableRow(kRows, count, "1399"));
  EXPECT_EQ(-1, FindTableRow(kRows, count, "2190"));
  EXPECT_EQ(-1, FindTableRow(kRows, count, "2399"));
  EXPECT_EQ(-1, FindTableRow(kRows, 0, "1400"));
  EXPECT_EQ(3, FindTableRow(kRows, count, "2191 1821"));
  const int values[] = {0, 1, 5, 9, 809};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(i, FindTableValue(values, 5, values[i]));
  for (int missing : {-1, 2, 10, 810}) EXPECT_EQ(-1, FindTableValue(values, 5, missing));
}

TEST(ConversionPrograms, EightProgramsWithTheirReportNames) {
  std::set<std::string> names;
  for (const ConversionProgram& program : ConversionPrograms) {
    names.insert(program.name);
    EXPECT_EQ(&program, FindConversionProgram(program.name));
    EXPECT_EQ(std::string(".e") + program.name, program.errorSuffix);
    if (program.warningSuffix != nullptr) {
      EXPECT_EQ(std::string(".w") + program.name, program.warningSuffix);
    }
    // A program writes a warning file only under a derived name.
    EXPECT_TRUE(!program.writesWarningFile || program.warningSuffix != nullptr) << program.name;
    EXPECT_EQ(250, program.timerPeriodMs);
    EXPECT_EQ(5000, program.recordsPerTick);
  }
  EXPECT_EQ((std::set<std::string>{"Alquen", "Bernit", "Caslov", "Dorwim", "Elbrac", "Fenzel",
                                   "Gorvat", "Jantrik"}),
            names);
  EXPECT_EQ(nullptr, FindConversionProgram("Tesmar"));
}

}  // namespace
