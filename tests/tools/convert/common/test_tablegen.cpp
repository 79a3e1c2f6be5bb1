// The table compiler refuses data files that would make a wrong table, and
// keeps every byte of the rows it compiles.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/testfiles.h"

using namespace kelvarin::test;

namespace {

// Runs the generator on the rows; returns its exit status and the header.
int Generate(const std::string& rows, const std::string& keyLength, std::string* header,
             const std::string& extra = "") {
  TempDir dir;
  WriteFile(dir / "rows.txt", rows);
  const std::string command = std::string(KELVARIN_TABLEGEN) + " " + (dir / "rows.txt") + " " +
                              (dir / "rows.h") + " Rows " + keyLength + " " + extra +
                              " 2>/dev/null";
  const int status = std::system(command.c_str());
  *header = ReadFile(dir / "rows.h");
  return status;
}

TEST(TableGenerator, RefusesRowsThatMakeAWrongTable) {
  struct Case {
    const char* name;
    std::string rows;
    const char* keyLength;
    const char* extra;
  };
  const Case cases[] = {
      {"out of order", "1401*\n1400*\n", "4", ""},
      {"key twice", "1400*\n1400 1820\n", "4", ""},
      {"empty row", "1400*\n\n1401*\n", "4", ""},
      {"row shorter than its key", "1400*\n141\n", "4", ""},
      {"no rows", "", "4", ""},
  };
  for (const Case& c : cases) {
    std::string header;
    EXPECT_NE(0, Generate(c.rows, c.keyLength, &header, c.extra)) << c.name;
    EXPECT_EQ("<missing>", header) << c.name;
  }
}

TEST(TableGenerator, CompilesRowsByteForByte) {
  std::string header;
  ASSERT_EQ(0, Generate("219\"\\\xff \r\n2191 1820\n2191 1821\n", "4", &header, "duplicates"));
  EXPECT_NE(std::string::npos, header.find("inline constexpr int RowsCount = 3;"));
  EXPECT_NE(std::string::npos, header.find("std::string_view(\"2191 1820\", 9)"));
  EXPECT_NE(std::string::npos, header.find("std::string_view(\"219\\042\\134\\377 \", 7)"));
  // A list kept in its own order.
  ASSERT_EQ(0, Generate(" 809D140 \naos.:2\n 619N40  \n", "0", &header));
  EXPECT_NE(std::string::npos, header.find("std::string_view(\" 619N40  \", 9)"));
}

}  // namespace
