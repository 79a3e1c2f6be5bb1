#include "tools/convert/common/conversionfields.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvarin;

namespace {

// Record layout used below: sex at 1, site at 3-6, morphology at 8-11,
// behaviour at 12, grade at 13.
struct SiteCase {
  const char* field;  // the site field from column 1
  int end;            // column of the subsite
  SiteDigitTest test;
  const char* text;  // the copy after the digit test
  bool valid;
};

TEST(ConversionFields, SiteTextIsFirstThreeAndLastCharacter) {
  const SiteCase cases[] = {
      {"1409", 4, SiteDigitTest::kAllFour, "1409", true},
      {"140 ", 4, SiteDigitTest::kAllFour, "1400", true},
      {"14 9", 4, SiteDigitTest::kAllFour, "1409", true},
      {"14x9", 4, SiteDigitTest::kAllFour, "14x9", false},
      {"140a", 4, SiteDigitTest::kAllFour, "140a", false},
      {"175 ", 4, SiteDigitTest::kFirstThree, "175 ", true},  // subsite may stay blank
      {"17 5", 4, SiteDigitTest::kFirstThree, "1705", true},
      {"A755", 4, SiteDigitTest::kFirstThree, "A755", false},
      {"175x", 4, SiteDigitTest::kFirstThree, "175x", true},  // subsite not tested
      {"C50.9", 5, SiteDigitTest::kSecondAndThird, "C509", true},
      {"D45  ", 5, SiteDigitTest::kSecondAndThird, "D45 ", true},
      {"C 5.9", 5, SiteDigitTest::kSecondAndThird, "C059", true},
      {"CX0.9", 5, SiteDigitTest::kSecondAndThird, "CX09", false},
      {"150.9", 5, SiteDigitTest::kAllFour, "1509", true},  // wide field: its last character
  };
  for (const SiteCase& c : cases) {
    const std::string record = c.field;
    char text[5];
    EXPECT_EQ(c.valid, ReadSiteText(record, 1, c.end, c.test, text)) << c.field;
    EXPECT_STREQ(c.text, text) << c.field;
    EXPECT_EQ(std::string(c.field), record) << "the record itself is never changed";
  }
}

TEST(ConversionFields, MorphologyBehaviourAndGrade) {
  int value = -1;
  EXPECT_TRUE(ReadMorphology("x8140", 2, &value));
  EXPECT_EQ(8140, value);
  EXPECT_TRUE(ReadMorphology("x 140", 2, &value));  // a blank counts as '0'
  EXPECT_EQ(140, value);
  EXPECT_FALSE(ReadMorphology("x81a0", 2, &value));
  EXPECT_FALSE(ReadMorphology("x814", 2, &value));  // runs past the record's end

  EXPECT_TRUE(ReadBehaviour("x3", 2, &value));
  EXPECT_EQ(3, value);
  EXPECT_FALSE(ReadBehaviour("x ", 2, &value));
  EXPECT_EQ(0, value);
  EXPECT_FALSE(ReadBehaviour("xb", 2, &value));

  char grade = 0;
  EXPECT_TRUE(ReadGrade("x4", 2, &grade));
  EXPECT_EQ('4', grade);
  EXPECT_FALSE(ReadGrade("x ", 2, &grade));
  EXPECT_TRUE(ReadGrade("x ", -1, &grade));  // no grade column: '9'
  EXPECT_EQ('9', grade);
  EXPECT_TRUE(ReadGrade("x ", 0, &grade));
  EXPECT_EQ('9', grade);
}

TEST(ConversionFields, PrefixDecidedByTheFirstCodeWithC) {
  PrefixedTopography topography;
  char text[4];
  // Codes without the C are accepted until a code with the C has been read.
  topography.Read("509", 1, 3, text);
  EXPECT_STREQ("509", text);
  EXPECT_FALSE(topography.MissingPrefix());
  topography.Read("C50.9", 1, 5, text);
  EXPECT_STREQ("509", text);
  EXPECT_FALSE(topography.MissingPrefix());
  EXPECT_TRUE(topography.PrefixSeen());
  topography.Read("509  ", 1, 3, text);
  EXPECT_STREQ("509", text);
  EXPECT_TRUE(topography.MissingPrefix());
  topography.Read("c619", 1, 4, text);  // lower case counts as the prefix
  EXPECT_STREQ("619", text);
  EXPECT_FALSE(topography.MissingPrefix());
  topography.Read("619 ", 1, 3, text);
  EXPECT_TRUE(topography.MissingPrefix());
}

}  // namespace
