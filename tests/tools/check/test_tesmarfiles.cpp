// The check program's files: dated headers, records of the wrong length in
// the error file and the output file, and the reports removed when empty.
#include <gtest/gtest.h>

#include "tests/tools/check/checkrun.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

const char* const kTitle = kCheckTitle;

std::string NoVariablesRow(int recordLength) {
  return "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 5 6 7 7 1 2 " +
         std::to_string(recordLength) + " 0 0 999\n";
}

}  // namespace

TEST(TesmarFiles, WrongLengthRecordsGoToTheErrorFileAndTheOutputFile) {
  TempDir dir;
  const std::string longLine(1500, 'x');
  ASSERT_TRUE(RunCheck(dir, "abcd\r\nab\r\n" + longLine + "\r\nabcd", NoVariablesRow(4)));
  EXPECT_EQ("abcd\nab *\n" + longLine + " *\nabcd\n", ReadFile(dir / "out.txt"));
  EXPECT_EQ(std::string(kTitle) + (dir / "data.txt") +
                "\nThe following records must be checked\n\nab *\n" + longLine +
                " *\n\n2 individual record(s), 2 error(s)\n",
            ReadFile(dir / "data.err"));
  EXPECT_EQ(std::string(kTitle) + "Input file: " + (dir / "data.txt") +
                "\nOutput file: " + (dir / "out.txt") +
                "\n\n4 records processed. Summary statistics:\n\n2 errors (2 "
                "individual records) recorded in " +
                (dir / "data.err") + ":\n\n2 incorrect record length\n",
            ReadFile(dir / "out.log"));
  EXPECT_FALSE(Exists(dir / "data.chk"));
}

TEST(TesmarFiles, CleanRunKeepsOnlyTheOutputFile) {
  TempDir dir;
  ASSERT_TRUE(RunCheck(dir, "abcd\nabcd\n", NoVariablesRow(4)));
  EXPECT_EQ("abcd\nabcd\n", ReadFile(dir / "out.txt"));
  for (const char* name : {"data.err", "data.chk", "out.log"})
    EXPECT_FALSE(Exists(dir / name)) << name;
}
