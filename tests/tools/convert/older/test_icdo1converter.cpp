// The ICD-O-1 to ICD-O-2 core in the variants of the four programs that use
// it: every class rule of the two tables, the behaviour step, optionB and the
// replacement rows.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "tests/tools/convert/older/codelists.h"
#include "tools/convert/older/icdo1converter.h"

using namespace kelvarin;

namespace {

struct CoreCase {
  const char* what;
  const IcdO1Variant* variant;
  int site;
  int morphology;
  int behaviour;
  bool optionB;
  ConversionResult result;
  int topography;  // checked on kConverted
  int morphologyOut;
  int behaviourOut;
};

const IcdO1Variant* const E = &kElbracCore;
const IcdO1Variant* const F = &kFenzelCore;
const IcdO1Variant* const B = &kBernitCore;
const IcdO1Variant* const A = &kAlquenCore;

const CoreCase kCases[] = {
    // Plain rows.
    {"lip with a review site", E, 1409, 8000, 3, false, kConverted, 9, 8000, 3},
    {"stomach", F, 1519, 8140, 3, false, kConverted, 169, 8140, 3},
    {"last site row", E, 1999, 8000, 3, false, kConverted, 809, 8000, 3},
    // Class '1' of the topography table: nerve tumours of the nervous system.
    {"brain, not a nerve tumour", E, 1710, 8850, 3, false, kConverted, 490, 8850, 3},
    {"brain, nerve sheath", E, 1710, 9540, 3, false, kConverted, 470, 9540, 3},
    {"brain, 9490 first", E, 1712, 9490, 3, false, kConverted, 471, 9490, 3},
    {"brain, 9507 last", E, 1719, 9507, 1, false, kConverted, 479, 9507, 1},
    {"brain, 9560", E, 1713, 9560, 0, false, kConverted, 472, 9560, 0},
    {"brain, 9510 outside", E, 1713, 9510, 3, false, kConverted, 492, 9510, 3},
    {"brain, 9530 between the ranges", E, 1718, 9530, 0, false, kConverted, 498, 9530, 0},
    // Class '2': uterine adnexa.
    {"adnexa, carcinoma", E, 1820, 8140, 3, false, kConverted, 541, 8140, 3},
    {"adnexa, 8010 first", E, 1820, 8010, 3, false, kConverted, 541, 8010, 3},
    {"adnexa, sarcoma", E, 1820, 8890, 3, false, kConverted, 542, 8890, 3},
    {"adnexa, 9581 last", E, 1820, 9581, 3, false, kConverted, 542, 9581, 3},
    {"adnexa, unspecified", E, 1820, 8000, 3, false, kConverted, 549, 8000, 3},
    {"adnexa, 8580 between", E, 1820, 8580, 3, false, kConverted, 549, 8580, 3},
    // Class '3': adrenal gland.
    {"adrenal, adenocarcinoma", E, 1940, 8140, 3, false, kConverted, 740, 8140, 3},
    {"adrenal, 8310", E, 1940, 8310, 3, false, kConverted, 740, 8310, 3},
    {"adrenal, 8043", E, 1940, 8043, 3, false, kConverted, 740, 8043, 3},
    {"adrenal, 8045 in the field trial", F, 1940, 8045, 3, false, kConverted, 740, 8045, 3},
    {"adrenal, 8050 past the range", F, 1940, 8050, 3, false, kConverted, 749, 8050, 3},
    {"adrenal, 8370", E, 1940, 8370, 0, false, kConverted, 740, 8370, 0},
    {"adrenal, 8141 not cortex", E, 1940, 8141, 3, false, kConverted, 749, 8141, 3},
    {"adrenal, paraganglioma", E, 1940, 8680, 0, false, kConverted, 741, 8680, 0},
    {"adrenal, 8700", E, 1940, 8700, 0, false, kConverted, 741, 8700, 0},
    {"adrenal, neuroblastoma", E, 1940, 9500, 3, false, kConverted, 741, 9500, 3},
    {"adrenal, 9505 outside", E, 1940, 9505, 3, false, kConverted, 749, 9505, 3},
    {"adrenal, 9560", E, 1940, 9560, 0, false, kConverted, 741, 9560, 0},
    {"adrenal, 9561 outside", E, 1940, 9561, 0, false, kConverted, 749, 9561, 0},
    // Sites outside the table.
    {"site below 1400", E, 1395, 8000, 3, false, kInvalidSite, 0, 0, 0},
    {"site 2000", E, 2000, 8000, 3, false, kInvalidSite, 0, 0, 0},
    {"site 1402 not a key", E, 1402, 8000, 3, false, kInvalidSite, 0, 0, 0},
    // Morphologies outside the table.
    {"morphology 7999", E, 1409, 7999, 3, false, kInvalidMorphology, 0, 0, 0},
    {"morphology 9991", E, 1409, 9991, 3, false, kInvalidMorphology, 0, 0, 0},
    {"field trial lacks 9951", F, 1409, 9951, 1, false, kInvalidMorphology, 0, 0, 0},
    {"ICD-O-1 lacks 8044", E, 1409, 8044, 3, false, kInvalidMorphology, 0, 0, 0},
    {"field trial has 8044", F, 1409, 8044, 3, false, kConverted, 9, 8044, 3},
    {"ICD-O-1 lacks 9761", A, 1690, 9761, 3, false, kInvalidMorphology, 0, 0, 0},
    // Behaviour step.
    {"behaviour 4", E, 1409, 8000, 4, false, kInvalidBehaviour, 0, 0, 0},
    {"behaviour 5", F, 1409, 8000, 5, false, kInvalidBehaviour, 0, 0, 0},
    {"behaviour 7", E, 1409, 8000, 7, false, kInvalidBehaviour, 0, 0, 0},
    {"behaviour 8", E, 1409, 8000, 8, false, kInvalidBehaviour, 0, 0, 0},
    {"behaviour tested before the site", E, 1395, 8000, 4, false, kInvalidBehaviour, 0, 0, 0},
    {"behaviour 6 without optionB", E, 1409, 8000, 6, false, kConverted, 9, 8000, 3},
    {"behaviour 9 with optionB", E, 1409, 8000, 9, true, kConverted, 809, 8000, 3},
    {"behaviour 6 with optionB, bad site", F, 1402, 8000, 6, true, kConverted, 809, 8000, 3},
    {"behaviour 3 with optionB", E, 1409, 8000, 3, true, kConverted, 9, 8000, 3},
    {"second stage maps 9 to 3", B, 1550, 8000, 9, false, kConverted, 220, 8000, 3},
    {"second stage with optionB", B, 1550, 8000, 9, true, kConverted, 809, 8000, 3},
    {"code-only stage keeps 9", A, 1550, 8000, 9, true, kConverted, 220, 8000, 9},
    {"code-only stage keeps 6", A, 1999, 8000, 6, true, kConverted, 809, 8000, 6},
    // Class '1' of the morphology tables.
    {"replacement row", E, 1409, 8035, 3, false, kConverted, 9, 8010, 3},
    {"replacement without target", E, 1409, 9111, 3, false, kCannotConvert, 0, 0, 0},
    {"9951 behaviour 1 raised", E, 1409, 9951, 1, false, kConverted, 9, 9931, 3},
    {"9951 behaviour 3", E, 1409, 9951, 3, false, kConverted, 9, 9931, 3},
    {"9951 behaviour 0 kept", E, 1409, 9951, 0, false, kConverted, 9, 9931, 0},
    {"9951 in the second stage", B, 1409, 9951, 1, false, kConverted, 9, 9931, 1},
    {"9931 kept as itself", E, 1409, 9931, 1, false, kConverted, 9, 9931, 1},
    {"field trial replacement", F, 1409, 9762, 3, false, kConverted, 9, 9763, 3},
    {"ICD-O-1 lacks 9762", E, 1409, 9762, 3, false, kInvalidMorphology, 0, 0, 0},
    {"9990 replaced by 8000", F, 1409, 9990, 3, false, kConverted, 9, 8000, 3},
    // Class '2' rules.
    {"8240 benign", E, 1409, 8240, 1, false, kConverted, 9, 8240, 3},
    {"8242 to 8240", E, 1409, 8242, 3, false, kConverted, 9, 8240, 3},
    {"8240 at 1535 kept uncertain", E, 1535, 8240, 1, false, kConverted, 181, 8240, 1},
    {"8240 behaviour 0", F, 1409, 8240, 0, false, kConverted, 9, 8240, 0},
    {"8441 ovary uncertain", E, 1830, 8441, 1, false, kConverted, 569, 8442, 3},
    {"8441 elsewhere", E, 1890, 8441, 1, false, kConverted, 649, 8441, 1},
    {"8441 ovary malignant", E, 1830, 8441, 3, false, kConverted, 569, 8441, 3},
    {"8450 ovary", E, 1830, 8450, 1, false, kConverted, 569, 8451, 3},
    {"8460 ovary", F, 1830, 8460, 1, false, kConverted, 569, 8462, 3},
    {"8470 ovary", E, 1830, 8470, 1, false, kConverted, 569, 8472, 3},
    {"8471 ovary", E, 1830, 8471, 1, false, kConverted, 569, 8473, 3},
    {"8461 ovary", E, 1830, 8461, 1, false, kConverted, 569, 8461, 3},
    {"8461 elsewhere", E, 1409, 8461, 1, false, kConverted, 9, 8461, 1},
    {"8861 uncertain", E, 1409, 8861, 1, false, kConverted, 9, 8856, 0},
    {"8861 malignant", E, 1409, 8861, 3, false, kConverted, 9, 8861, 3},
    {"8891 uncertain", E, 1409, 8891, 1, false, kConverted, 9, 8891, 0},
    {"8892 uncertain", F, 1409, 8892, 1, false, kConverted, 9, 8892, 0},
    {"8892 malignant", F, 1409, 8892, 3, false, kConverted, 9, 8892, 3},
    {"8960 at the kidney", E, 1890, 8960, 3, false, kConverted, 649, 8960, 3},
    {"8960 elsewhere", E, 1409, 8960, 3, false, kConverted, 9, 8933, 3},
    {"8960 behaviour 9", E, 1409, 8960, 9, false, kConverted, 9, 8933, 3},
    {"8960 in situ", E, 1409, 8960, 2, false, kConverted, 9, 8960, 2},
    {"8960 benign", E, 1409, 8960, 0, false, kConverted, 9, 8960, 0},
    {"8981 lung", E, 1622, 8981, 3, false, kConverted, 340, 8972, 3},
    {"8981 lung 349", E, 1629, 8981, 3, false, kConverted, 349, 8972, 3},
    {"8981 trachea", E, 1620, 8981, 3, false, kConverted, 339, 8981, 3},
    {"9731 uncertain", E, 1409, 9731, 1, false, kConverted, 9, 9731, 3},
    {"9731 malignant", E, 1409, 9731, 3, false, kConverted, 9, 9731, 3},
    {"9940 at the marrow", E, 1691, 9940, 3, false, kConverted, 421, 9940, 3},
    {"9940 elsewhere", E, 1409, 9940, 3, false, kConverted, 9, 9941, 3},
};

class IcdO1CoreTest : public ::testing::TestWithParam<CoreCase> {};

TEST_P(IcdO1CoreTest, Converts) {
  const CoreCase& c = GetParam();
  ConvertedCodes out;
  out.grade = 7;
  const ConversionResult result =
      ConvertCodes(c.site, c.morphology, c.behaviour, *c.variant, c.optionB, out);
  ASSERT_EQ(c.result, result);
  if (result == kConverted) {
    EXPECT_EQ(c.topography, out.topography);
    EXPECT_EQ(c.morphologyOut, out.morphology);
    EXPECT_EQ(c.behaviourOut, out.behaviour);
    EXPECT_EQ(7, out.grade);
  }
}

INSTANTIATE_TEST_SUITE_P(Rules, IcdO1CoreTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CoreCase>& info) {
                           std::string name;
                           for (const char* p = info.param.what; *p != '\0'; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name + "_" + std::to_string(info.index);
                         });

// Every replacement row gives its own target, whatever the site.
TEST(IcdO1Core, EveryReplacementRowGivesItsTarget) {
  for (const IcdO1Variant* variant : {E, F}) {
    const TextTable table = variant->morphologyTable;
    for (int i = 0; i < table.count; ++i) {
      std::string_view row = table.rows[i];
      if (RowClass(row) != '1') continue;
      ConvertedCodes out;
      const ConversionResult result =
          ConvertCodes(1509, RowNumber(row, 0, 4), 3, *variant, false, out);
      if (RowNumber(row, 5, 4) < 0) {
        EXPECT_EQ(kCannotConvert, result) << row;
      } else {
        ASSERT_EQ(kConverted, result) << row;
        EXPECT_EQ(RowNumber(row, 5, 4), out.morphology) << row;
        EXPECT_EQ(159, out.topography) << row;
      }
    }
  }
}

// Plain site rows take their target unchanged whatever the morphology.
TEST(IcdO1Core, PlainSiteRowsTakeTheirTarget) {
  for (std::string_view row : IcdO1TopographyTable) {
    for (int morphology : {8000, 8140, 9540, 8890}) {
      ConvertedCodes out;
      ASSERT_EQ(kConverted,
                ConvertCodes(RowNumber(row, 0, 4), morphology, 3, kElbracCore, false, out))
          << row;
      if (RowClass(row) == ' ') {
        EXPECT_EQ(RowNumber(row, 5, 3), out.topography) << row;
      }
    }
  }
}

// The site rows whose target depends on the morphology, with their morphology
// lists as the rules print them, over every morphology of both tables.
TEST(IcdO1Core, SiteRowsMoveTheirTargetByMorphology) {
  struct SiteRule {
    int site;
    int target;         // for a morphology on neither list
    const char* first;  // morphologies of the first changed target
    int firstTarget;
    const char* second;  // and of the second
    int secondTarget;
  };
  const char* const nerve = "9490-9507,9540-9562";
  const SiteRule rules[] = {
      {1710, 490, nerve, 470, "", 0},
      {1712, 491, nerve, 471, "", 0},
      {1713, 492, nerve, 472, "", 0},
      {1714, 493, nerve, 473, "", 0},
      {1715, 494, nerve, 474, "", 0},
      {1716, 495, nerve, 475, "", 0},
      {1717, 496, nerve, 476, "", 0},
      {1718, 498, nerve, 478, "", 0},
      {1719, 499, nerve, 479, "", 0},
      {1820, 549, "8010-8573", 541, "8800-9581", 542},
      {1940, 749, "8010-8045,8140,8310,8370-8375", 740, "8680-8691,8700-8710,9490-9504,9540-9560",
       741},
  };
  for (const IcdO1Variant* variant : {E, F}) {
    const TextTable table = variant->morphologyTable;
    for (int i = 0; i < table.count; ++i) {
      const int morphology = RowNumber(table.rows[i], 0, 4);
      const bool replacedByNothing =
          RowNumber(table.rows[i], 5, 4) < 0 && RowClass(table.rows[i]) == '1';
      for (const SiteRule& rule : rules) {
        ConvertedCodes out;
        const ConversionResult result =
            ConvertCodes(rule.site, morphology, 3, *variant, false, out);
        if (replacedByNothing) {
          EXPECT_EQ(kCannotConvert, result) << table.rows[i];
          continue;
        }
        ASSERT_EQ(kConverted, result) << rule.site << " " << morphology;
        const int expected = test::InCodeList(morphology, rule.first)    ? rule.firstTarget
                             : test::InCodeList(morphology, rule.second) ? rule.secondTarget
                                                                         : rule.target;
        EXPECT_EQ(expected, out.topography) << rule.site << " " << morphology;
      }
    }
  }
}

TEST(IcdO1Core, ReviewRule) {
  EXPECT_TRUE(NeedsIcdO1Review(1409, 8000, 3, false));
  EXPECT_TRUE(NeedsIcdO1Review(1410, 9940, 3, false));
  EXPECT_TRUE(NeedsIcdO1Review(1410, 8000, 6, true));
  EXPECT_TRUE(NeedsIcdO1Review(1410, 8000, 9, true));
  EXPECT_FALSE(NeedsIcdO1Review(1410, 8000, 9, false));
  EXPECT_FALSE(NeedsIcdO1Review(1410, 8000, 3, true));
  EXPECT_FALSE(NeedsIcdO1Review(1410, 8000, 0, false));
}

}  // namespace
