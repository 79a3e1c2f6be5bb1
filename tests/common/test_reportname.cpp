#include "common/reportname.h"

#include <gtest/gtest.h>

#include "common/fileidentity.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;

TEST(DeriveReportName, DotOfTheFileNameOnly) {
  struct Case {
    const char* path;
    const char* suffix;
    const char* expected;
  };
  const Case cases[] = {
      {"/reg/data.txt", ".err", "/reg/data.err"},
      {"/reg/data.txt", ".chk", "/reg/data.chk"},
      {"/reg/out", ".log", "/reg/out.log"},
      {"/run.1/result", ".log", "/run.1/result.log"},  // folder dots never count
      {"/home/u/.cache/data", ".err", "/home/u/.cache/data.err"},
      {"/home/u/.hidden", ".err", "/home/u/.hidden.err"},  // a leading dot only
      {".data", ".err", ".data.err"},
      {"data.tar.gz", ".eGorvat", "data.tar.eGorvat"},
      {"data.", ".err", "data.err"},
      {"", ".err", ".err"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, DeriveReportName(c.path, c.suffix)) << c.path;
}

TEST(ReportTitle, DatedLine) {
  const std::tm start = kelvarin::test::FixedStartTime();
  EXPECT_EQ("Orvo-Check program - Monday 07 December 2026-23:05\n",
            ReportTitle("Orvo-Check program", start));
  std::tm early = start;
  early.tm_wday = 0;
  early.tm_mon = 0;
  early.tm_mday = 4;
  early.tm_hour = 0;
  early.tm_min = 0;
  early.tm_year = 2027 - 1900;
  EXPECT_EQ("T - Sunday 04 January 2027-00:00\n", ReportTitle("T", early));
  EXPECT_EQ("20270104", TodayText(early));
}

TEST(SameFile, SpellingsLinksAndNewFiles) {
  kelvarin::test::TempDir dir;
  kelvarin::test::WriteFile(dir / "a.txt", "x");
  ASSERT_EQ(0, ::symlink((dir / "a.txt").c_str(), (dir / "link").c_str()));
  ASSERT_EQ(0, ::link((dir / "a.txt").c_str(), (dir / "hard").c_str()));
  kelvarin::test::WriteFile(dir / "b.txt", "x");
  EXPECT_TRUE(SameFile(dir / "a.txt", dir.path() + "/./sub/../a.txt") ||
              SameFile(dir / "a.txt", dir.path() + "//a.txt"));
  EXPECT_TRUE(SameFile(dir / "a.txt", dir / "link"));
  EXPECT_TRUE(SameFile(dir / "a.txt", dir / "hard"));
  EXPECT_FALSE(SameFile(dir / "a.txt", dir / "b.txt"));
  EXPECT_TRUE(SameFile(dir / "new.out", dir.path() + "/./new.out"));
  EXPECT_FALSE(SameFile(dir / "new.out", dir / "a.txt"));
  EXPECT_FALSE(SameFile(dir / "new.out", dir / "other.out"));
}
