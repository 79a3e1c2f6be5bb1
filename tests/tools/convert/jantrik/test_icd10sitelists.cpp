// Jantrik's site tables (topography columns, site groups, sex split list),
// their lookups and the sex/site rule on ICD-10 codes.
#include "tools/convert/jantrik/checksexsiteicd10.h"
#include "tools/convert/jantrik/icd10sitelists.h"
#include "tools/convert/jantrik/icdo3topographycolumns.h"
#include "tools/convert/jantrik/sexsplitlist.h"
#include "tools/convert/jantrik/sitegrouplist.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvarin;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

TEST(IcdO3TopographyColumns, CountsFormAndTellingRows) {
  EXPECT_EQ(330, IcdO3TopographyColumnsCount);
  int withQuestionMark = 0;
  for (int i = 0; i < IcdO3TopographyColumnsCount; ++i) {
    const std::string_view row = IcdO3TopographyColumns[i];
    ASSERT_EQ(24u, row.size()) << row;
    EXPECT_EQ(' ', row[0]);
    EXPECT_TRUE(IsDigit(row[1]) && IsDigit(row[2]) && IsDigit(row[3])) << row;
    if (i > 0) {
      EXPECT_LT(IcdO3TopographyColumns[i - 1].substr(1, 3), row.substr(1, 3));
    }
    if (row.find('?') != std::string_view::npos) ++withQuestionMark;
  }
  EXPECT_EQ(76, withQuestionMark);
  EXPECT_EQ(" 000C000D100D000D370C798", IcdO3TopographyColumns[0]);
  EXPECT_EQ(" 809C800D369D099D489C800", IcdO3TopographyColumns[329]);
  for (const char* row :
       {" 220C220D134D015D376C787", " 500C500D24 D059D486C798", " 779C779D360   ?D479C779"}) {
    char code[4];
    ASSERT_EQ(0, LookupSiteColumn(0, row + 1, code)) << row;
    for (int column = 1; column <= 5; ++column) {
      ASSERT_EQ(0, LookupSiteColumn(column, row + 1, code));
      EXPECT_EQ(std::string(row + 4 * column, 4), std::string(code, 4)) << row << column;
    }
  }
}

struct ColumnCase {
  int column;
  const char* topography;
  int result;
  const char* code;  // nullptr: the code is left as it was
};

TEST(IcdO3TopographyColumns, LookupSiteColumn) {
  const ColumnCase cases[] = {
      {1, "509", 0, "C509"},  {2, "509", 0, "D24 "},  {3, "509", 0, "D059"},
      {4, "509", 0, "D486"},  {5, "509", 0, "C798"},  {3, "779", 0, "   ?"},
      {1, "809", 0, "C800"},  {0, "809", 0, nullptr}, {1, "799", 1, nullptr},
      {1, "507", 1, nullptr}, {1, "-12", 1, nullptr}, {6, "509", 0, nullptr},
  };
  for (const ColumnCase& c : cases) {
    char code[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(c.result, LookupSiteColumn(c.column, c.topography, code)) << c.topography;
    EXPECT_EQ(c.code ? c.code : "xxxx", std::string(code, 4)) << c.topography << c.column;
  }
}

bool IsSiteEntry(std::string_view entry) {
  if (entry.size() != 9 || entry[0] != ' ') return false;
  if (!IsDigit(entry[1]) || !IsDigit(entry[2]) || !(IsDigit(entry[3]) || entry[3] == '-'))
    return false;
  return entry[8] == ' ' || entry[8] == '+' || entry[8] == '@';
}

bool IsClosingEntry(std::string_view entry) {
  if (entry.substr(0, 4) != "aos.") return false;
  if (entry.size() == 6) return entry[4] == ':' && entry[5] >= '1' && entry[5] <= '5';
  return entry.size() == 9 && (entry[8] == ' ' || entry[8] == '+' || entry[8] == '@');
}

TEST(SiteGroupList, GroupsEntriesAndTellingEntries) {
  // The data has 450 entries in 109 groups; a complete list has 651 entries
  // in 121 groups. The entry numbers the converter relies on are kept.
  EXPECT_EQ(450, SiteGroupListCount);
  int groups = 0;
  for (int i = 0; i < SiteGroupListCount; ++i) {
    const std::string_view entry = SiteGroupList[i];
    EXPECT_TRUE(IsSiteEntry(entry) || IsClosingEntry(entry)) << i + 1 << " '" << entry << "'";
    if (IsClosingEntry(entry)) ++groups;
  }
  EXPECT_EQ(109, groups);
  EXPECT_TRUE(IsClosingEntry(SiteGroupList[SiteGroupListCount - 1]));

  struct Telling {
    int entry;
    const char* text;
  };
  const Telling telling[] = {
      {1, " 809D140 "},   {2, "aos.:2"},      {46, " 16-C16- "},
      {50, " 25-D137 "},  {150, "aos.C542+"}, {178, " 700D320 "},
      {179, "aos.D320 "}, {415, " 40-C40- "}, {417, " 694C410 "},
  };
  for (const Telling& t : telling) EXPECT_EQ(t.text, SiteGroupList[t.entry - 1]) << t.entry;
  // Entries 185 and 415 start the groups on which the converter hard-codes
  // the nasal cartilage and the larynx.
  for (int start : {1, 3, 20, 185, 359, 391, 415, 446})
    EXPECT_TRUE(start == 1 || IsClosingEntry(SiteGroupList[start - 2])) << start;
}

TEST(SexSplitList, EightGroupsOfTwo) {
  for (int i = 0; i < SexSplitListCount; ++i) {
    const std::string_view entry = SexSplitList[i];
    if (i % 2 == 0) {
      EXPECT_EQ(12u, entry.size()) << entry;
      EXPECT_EQ(' ', entry[0]);
    } else {
      EXPECT_EQ("aos.", entry.substr(0, 4)) << entry;
    }
  }
}

struct GroupCase {
  int entry;
  const char* topography;
  char markBefore;
  const char* code;
  char mark;
};

TEST(SiteGroupList, WalkToTheFirstMatchOrTheClosingEntry) {
  const GroupCase cases[] = {
      {1, "300", ' ', "D140", ' '},    // exact site
      {1, "509", ' ', "D24 ", ' '},    // closing entry: column 2 of the site
      {15, "484", ' ', "D191", ' '},   // two-digit site with '-' (exact 480 is not 484)
      {15, "480", ' ', "D197", ' '},   // the exact entry comes first
      {15, "220", ' ', "D197", ' '},   // closing entry with its own code
      {391, "445", ' ', "D035", ' '},  // '-' in the code takes the subsite digit
      {425, "809", ' ', "D069", '+'},  // the entry's mark
      {425, "809", 'b', "D069", 'b'},  // a mark already set stays
      {425, "530", ' ', "D060", ' '}, {425, "509", ' ', "D059", ' '},  // closing column 3
      {415, "401", ' ', "C401", ' '}, {415, "300", ' ', "C300", ' '},
      {415, "509", ' ', "C419", ' '}, {448, "501", ' ', "D057", ' '},
      {449, "501", ' ', "D059", ' '},  // starting inside a group walks only its rest
  };
  for (const GroupCase& c : cases) {
    char code[4] = {'?', '?', '?', '?'};
    char mark = c.markBefore;
    LookupSiteGroup(c.entry, c.topography, code, &mark);
    EXPECT_EQ(c.code, std::string(code, 4)) << c.entry << " " << c.topography;
    EXPECT_EQ(c.mark, mark) << c.entry << " " << c.topography;
  }
  // The closing entry "aos.C542+" marks the conversion for review.
  int closing = 150;
  char code[4];
  char mark = ' ';
  LookupSiteGroup(closing, "509", code, &mark);
  EXPECT_EQ("C542", std::string(code, 4));
  EXPECT_EQ('+', mark);
  // An entry number outside the list leaves the code alone.
  for (int entry : {0, -1, SiteGroupListCount + 1}) {
    char untouched[4] = {'?', '?', '?', '?'};
    mark = ' ';
    LookupSiteGroup(entry, "509", untouched, &mark);
    EXPECT_EQ("????", std::string(untouched, 4));
    EXPECT_EQ(' ', mark);
  }
}

struct SplitCase {
  int entry;
  const char* topography;
  int sex;
  const char* code;
};

TEST(SexSplitList, CodeForThePatientsSex) {
  const SplitCase cases[] = {
      {1, "809", 0, "D292"},
      {1, "809", 1, "D27 "},
      {1, "509", 0, "D24 "},
      {1, "509", 1, "D24 "},
      {3, "809", 1, "D391"},
      {3, "509", 1, "D486"},
      {5, "509", 1, "C509"},
      {7, "503", 0, "C503"},
      {7, "503", 1, "C503"},
      {7, "619", 0, "C509"},
      {9, "809", 0, "C629"},
      {9, "809", 1, "C56 "},
      {11, "809", 1, "D073"},
      {11, "509", 0, "D059"},
      {13, "809", 1, "C58 "},
      {15, "540", 0, "????"},
      {15, "540", 1, "C540"},
      {15, "509", 0, "C509"},
      {15, "509", 1, "C542"},
      // The rest of the list's codes and columns, each read for its sex.
      {3, "809", 0, "D401"},
      {3, "509", 0, "D486"},
      {5, "809", 0, "C509"},
      {5, "809", 1, "C509"},
      {5, "619", 0, "C61 "},
      {7, "619", 1, "C509"},
      {9, "349", 0, "C349"},
      {9, "349", 1, "C349"},
      {11, "809", 0, "D076"},
      {11, "349", 1, "D022"},
      {13, "809", 0, "C629"},
      {13, "349", 0, "C349"},
      {13, "349", 1, "C349"},
  };
  for (const SplitCase& c : cases) {
    char code[4] = {'x', 'x', 'x', 'x'};
    LookupSexSplit(c.entry, c.topography, c.sex, code);
    EXPECT_EQ(c.code, std::string(code, 4)) << c.entry << " " << c.topography << " " << c.sex;
  }
}

struct SexCodeCase {
  const char* code;
  int man, woman;
};

TEST(CheckSexSiteIcd10, GenitalCodesOfTheOtherSex) {
  const SexCodeCase cases[] = {
      {"C509", 0, 0}, {"C510", 1, 0}, {"C539", 1, 0}, {"C58 ", 1, 0}, {"C599", 0, 0},
      {"C600", 0, 1}, {"C61 ", 0, 1}, {"C639", 0, 1}, {"C649", 0, 0}, {"D059", 0, 0},
      {"D060", 1, 0}, {"D069", 1, 0}, {"D073", 1, 0}, {"D074", 0, 1}, {"D076", 0, 1},
      {"D077", 0, 0}, {"D249", 0, 0}, {"D25 ", 1, 0}, {"D259", 1, 0}, {"D27 ", 1, 0},
      {"D289", 1, 0}, {"D29 ", 0, 1}, {"D291", 0, 1}, {"D299", 0, 1}, {"D300", 0, 0},
      {"D39 ", 1, 0}, {"D391", 1, 0}, {"D400", 0, 1}, {"D409", 0, 1}, {"D410", 0, 0},
      {"????", 0, 0}, {"N40 ", 0, 0}, {"O019", 0, 0}, {"D???", 0, 0},
  };
  for (const SexCodeCase& c : cases) {
    EXPECT_EQ(c.man, CheckSexSiteIcd10(0, c.code)) << c.code;
    EXPECT_EQ(c.woman, CheckSexSiteIcd10(1, c.code)) << c.code;
  }
}

}  // namespace
