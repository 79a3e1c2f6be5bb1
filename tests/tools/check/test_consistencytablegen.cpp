// Runs the table generator on small data files: good data gives the tables,
// every kind of fault in the data stops it with a message.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/testfiles.h"

using namespace kelvarin::test;

namespace {

class GeneratorRun : public ::testing::Test {
 protected:
  // Writes the two data files, runs the generator; its exit status.
  int Run(const std::string& rows, const std::string& groups) {
    m_folder.Write("rows.txt", rows);
    m_folder.Write("groups.txt", groups);
    const std::string command = std::string(CONSISTENCYTABLEGEN) + " " + (m_folder / "rows.txt") +
                                " " + (m_folder / "groups.txt") + " " + (m_folder / "rows.cpp") +
                                " " + (m_folder / "groups.cpp") + " 2>" +
                                (m_folder / "messages.txt");
    return std::system(command.c_str());
  }

  std::string Read(const std::string& name) const { return ReadFile(m_folder / name); }

 private:
  TempDir m_folder;
};

const std::string kRows = "800031\n801031\r\n814031\n81420KD131 \n";
const std::string kGroups =
    "# comment\n"
    "any | 8000\n"
    "\n"
    "1 | Group one | + | 8140-8142 | C50, C38.4\n"
    "2 | Group two | - | 8010 | C42\n";

}  // namespace

TEST_F(GeneratorRun, WritesTheTablesOfGoodData) {
  ASSERT_EQ(0, Run(kRows, kGroups)) << Read("messages.txt");
  const std::string rows = Read("rows.cpp");
  for (const char* row : {"\"800031\",", "\"801031\",", "\"814031\",", "\"81420KD131 \","})
    EXPECT_NE(std::string::npos, rows.find(row)) << row;
  EXPECT_EQ(std::string::npos, rows.find('\r'));
  EXPECT_NE(std::string::npos, rows.find("kBehaviourHistologyRowCount == 4"));
  // Morphology 8000 starts at row 0, 8010 at row 1.
  EXPECT_NE(std::string::npos,
            rows.find("FirstRow[kIndexedMorphologyCount] = {\n    0, -1, -1, -1, -1, -1, -1, -1, "
                      "-1, -1, 1, -1,"));
  const std::string groups = Read("groups.cpp");
  const char* const expected[] = {
      "{8000, '*', 0},\n    {8010, '-', 1},\n    {8140, '+', 1},\n    {8142, '+', 1},\n};",
      "{1, 38, 4},\n    {1, 50, kEverySubsite},\n};",
      "{1, 42, kEverySubsite},\n};",
      "\"Group one\",\n    \"Group two\",\n};",
      "kAllowGroupCount == 1",
      "SiteGroupAllowListStart[kAllowGroupCount + 2] = {\n    0, 0, 2,\n};",
      "SiteGroupDenyListStart[kDenyGroupCount + 2] = {\n    0, 0, 1,\n};",
      "HistologySiteRowOf[kIndexedMorphologyCount] = {\n    0, -1, -1,"};
  for (const char* text : expected) EXPECT_NE(std::string::npos, groups.find(text)) << text;
}

TEST_F(GeneratorRun, StopsOnFaultyData) {
  struct Case {
    std::string rows;
    std::string groups;
    const char* message;
  };
  const Case cases[] = {
      {"800031\n800031\n801031\n814031\n", kGroups, "rows.txt:2: rows must ascend"},
      {"800031\n814031\n801031\n", kGroups, "rows.txt:3: rows must ascend"},
      {"80003X\n801031\n814031\n", kGroups, "unknown class"},
      {"800041\n801031\n814031\n", kGroups, "behaviour is one of"},
      {"80003\n801031\n814031\n", kGroups, "at least six"},
      {"8a0031\n801031\n814031\n", kGroups, "the key is"},
      {"700031\n800031\n801031\n814031\n", kGroups, "rows.txt:1: morphology outside the indexed"},
      {"800031 \"\n801031\n814031\n", kGroups, "unexpected character"},
      {kRows, "any | 8000-8001\n1 | One | + | 8140 | C50\n2 | Two | - | 8010 | C42\n",
       "groups.txt:1: '8000-8001' does not begin and end on a known"},
      {kRows, "any | 8000\n1 | One | + | 8140, 8010 | C50\n2 | Two | - | 8010 | C42\n",
       "groups.txt:3: morphology 8010 is already"},
      {kRows, "any | 8000\n1 | One | + | 8140 | C50\n", "morphologies without a group: 8010"},
      {kRows, "any | 8000\n1 | One | + | 8140 | C5\n2 | Two | - | 8010 | C42\n", "bad site 'C5'"},
      {kRows, "any | 8000\n1 | One | + | 8140 | C50.x\n2 | Two | - | 8010 | C42\n", "bad site"},
      {kRows, "any | 8000\n1 | One | + | 8140 | C50, C50.1\n2 | Two | - | 8010 | C42\n",
       "already in the group"},
      {kRows, "any | 8000\n2 | One | + | 8140 | C50\n", "expected group 1"},
      {kRows, "any | 8000\n1 | Two | - | 8010 | C42\n2 | One | + | 8140 | C50\n",
       "allow groups come before"},
      {kRows, "any | 8000\n1 | One | * | 8140 | C50\n2 | Two | - | 8010 | C42\n", "kind is"},
      {kRows, "any | 8000\n1 | One | + | 8140\n", "five fields"},
      {kRows, "any | 8000\n1 | One | + | 8140 | \n2 | Two | - | 8010 | C42\n", "at least one site"},
  };
  for (const Case& c : cases) {
    EXPECT_NE(0, Run(c.rows, c.groups)) << c.message;
    EXPECT_NE(std::string::npos, Read("messages.txt").find(c.message))
        << c.message << "\ngot: " << Read("messages.txt");
  }
}
