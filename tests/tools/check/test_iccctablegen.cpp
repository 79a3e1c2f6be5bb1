// The ICCC-3 table generator stops the build on a malformed data file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/testfiles.h"

using namespace kelvarin::test;

namespace {

const char kHeader[] =
    "morphology,c1,c2,c3,c4,c5,c6,c7,c8,c9,c10,c11,c12,c13,c14,c15,c16,c17,c18,c19,c20,c21,c22,"
    "c23,c24,c25,c26,c27,c28,c29,c30,c31,c32,c33,c34,c35,c36,c37,c38,c39,c40,c41,c42,c43,c44,"
    "c45,c46,c47,c48,c49\n";

// A row of 49 equal categories.
std::string Row(int morphology, const std::string& value = "12200") {
  std::string row = std::to_string(morphology);
  for (int k = 1; k <= 49; ++k) row += "," + value;
  return row + "\n";
}

// The real data file with one row replaced (row 0 is the header).
std::string RealWithRow(int index, const std::string& replacement) {
  const std::string text = ReadFile(KELVARIN_CHECK_DATA_DIR "/iccc3-extended-table.csv");
  std::string result;
  size_t begin = 0;
  for (int line = 0; begin < text.size(); ++line) {
    const size_t end = text.find('\n', begin) + 1;
    result += line == index ? replacement : text.substr(begin, end - begin);
    begin = end;
  }
  return result;
}

int Generate(const TempDir& dir, const std::string& csv) {
  WriteFile(dir / "table.csv", csv);
  const std::string command = std::string(ICCCTABLEGEN) + " " + (dir / "table.csv") + " " +
                              (dir / "rows.inc") + " 2>/dev/null";
  return std::system(command.c_str());
}

TEST(IcccTableGenerator, AcceptsTheDataFileAndItsCrLfForm) {
  TempDir dir;
  const std::string real = ReadFile(KELVARIN_CHECK_DATA_DIR "/iccc3-extended-table.csv");
  EXPECT_EQ(0, Generate(dir, real));
  EXPECT_NE(std::string::npos, ReadFile(dir / "rows.inc").find("{9992,"));
  std::string crlf;
  for (char c : real) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(0, Generate(dir, crlf));
}

TEST(IcccTableGenerator, RefusesMalformedTables) {
  std::string missingColumn = Row(8000);
  missingColumn.erase(missingColumn.rfind(','));
  missingColumn += "\n";
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"no header", RealWithRow(0, "")},
      {"wrong header", RealWithRow(0, "code,c1\n")},
      {"missing column", RealWithRow(1, missingColumn)},
      {"extra column", RealWithRow(1, Row(8000).insert(4, ",0"))},
      {"not a number", RealWithRow(1, Row(8000, "12x00"))},
      {"beyond 16 bits", RealWithRow(1, Row(8000, "40000"))},
      {"negative category", RealWithRow(1, Row(8000, "-1"))},
      {"out of order", RealWithRow(2, Row(8000))},
      {"row missing", RealWithRow(807, "")},
      {"row too many", RealWithRow(807, Row(9992) + Row(9993))},
      {"empty file", ""},
      {"header only", kHeader},
  };
  for (const auto& [what, csv] : cases) {
    TempDir dir;
    EXPECT_NE(0, Generate(dir, csv)) << what;
  }
}

}  // namespace
