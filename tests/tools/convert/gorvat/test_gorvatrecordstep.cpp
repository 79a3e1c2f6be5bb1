// Gorvat's record step: field tests, the prefix rule, the order of the
// messages, the two output forms and the review rule.
#include "tools/convert/gorvat/gorvatrecordstep.h"

#include <gtest/gtest.h>

#include "tests/tools/convert/common/conversionrun.h"

#include <string>
#include <vector>

using namespace kelvarin;

namespace {

using Lines = kelvarin::test::CollectedLines;

// Records: sex at 1, topography at 2-5 ("C509"), morphology 6-9, behaviour
// 10, grade 11.
ConversionRow Row(int optionA = 0, int gradeStart = 11) {
  ConversionRow row = kelvarin::test::CodeRow(1, 4, true);
  row.gradeStart = row.gradeEnd = gradeStart;
  row.optionA = optionA;
  return row;
}

struct Case {
  const char* record;
  const char* error;   // the error line, or nullptr when the record converts
  const char* output;  // the output line when it converts
  bool warning;        // the output line also goes to the warning file
};

void Expect(GorvatRecordStep& step, const Case& c, const ConversionRow& row = Row()) {
  Lines lines;
  step.ConvertRecord(c.record, row, lines);
  if (c.error) {
    EXPECT_EQ(std::vector<std::string>{c.error}, lines.errors) << c.record;
    EXPECT_TRUE(lines.output.empty()) << c.record;
    EXPECT_TRUE(lines.warnings.empty()) << c.record;
    return;
  }
  EXPECT_TRUE(lines.errors.empty()) << c.record << ": " << lines.errors[0];
  EXPECT_EQ(std::vector<std::string>{c.output}, lines.output) << c.record;
  EXPECT_EQ(c.warning ? lines.output : std::vector<std::string>{}, lines.warnings) << c.record;
  EXPECT_EQ(0, lines.counted) << c.record;
}

TEST(GorvatRecordStep, ConvertedRecordsGetTheirCodesAppended) {
  const Case cases[] = {
      {"2C509814033", nullptr, "2C509814033 C509814033", false},
      {"1C649918039", nullptr, "1C649918039 C649896709", false},
      {"2c541893030", nullptr, "2c541893030 C541893030", true},  // lower-case prefix
      {"1C341805031", nullptr, "1C341805031 C341805031", true},
      {"2C 0 814033", nullptr, "2C 0 814033 C000814033", false},  // blanks count as '0'
      {"2C5098 403 ", "2C5098 403  (G) Invalid grade code", nullptr, false},
      {"2C509814 33", nullptr, "2C509814 33 C509814033", false},  // so does a morphology blank
  };
  GorvatRecordStep step;
  for (const Case& c : cases) Expect(step, c);
}

TEST(GorvatRecordStep, WithoutAGradeColumnTheGradeIsNine) {
  GorvatRecordStep step;
  Expect(step, {"2C509814033", nullptr, "2C509814033 C509814039", false}, Row(0, -1));
  Expect(step, {"2C50981403x", nullptr, "2C50981403x C509814039", false}, Row(0, -1));
}

TEST(GorvatRecordStep, ReplaceModeWritesMorphologyAndBehaviourOnly) {
  GorvatRecordStep step;
  const ConversionRow row = Row(1);
  Expect(step, {"2C445970235", nullptr, "2C445971835", false}, row);
  Expect(step, {"2C541893030", nullptr, "2C541893030", true}, row);
  Expect(step, {"2C491893037", nullptr, "2C491893537", true}, row);
  Expect(step,
         {"1C509905303", "1C509905303 (M) The ICDO-2 (M) code has been deleted", nullptr, false},
         row);
}

TEST(GorvatRecordStep, FirstMessageThatApplies) {
  const Case cases[] = {
      {"1C539814033", "1C539814033 (S) Invalid sex/site combination", nullptr, false},
      {"2C619814033", "2C619814033 (S) Invalid sex/site combination", nullptr, false},
      // The sex/site test comes first, also for a topography without a code.
      {"1C537xxxxxx", "1C537xxxxxx (S) Invalid sex/site combination", nullptr, false},
      {"3C509814033", "3C509814033 (S) Invalid sex code", nullptr, false},
      {"3Cx09814x3x", "3Cx09814x3x (S) Invalid sex code", nullptr, false},
      {"2C509814063", "2C509814063 (B) Invalid behaviour code", nullptr, false},
      {"2C509814093", "2C509814093 (B) Invalid behaviour code", nullptr, false},
      {"2C50981409x", "2C50981409x (G) Invalid grade code", nullptr, false},
      {"2Cx0981x0x3", "2Cx0981x0x3 (B) Invalid behaviour code", nullptr, false},
      {"2C5098140 x", "2C5098140 x (B) Invalid behaviour code", nullptr, false},
      {"2C50981403x", "2C50981403x (G) Invalid grade code", nullptr, false},
      {"2Cx09814033", "2Cx09814033 (T) Invalid ICDO-2 (T) code", nullptr, false},
      {"2C807814033", "2C807814033 (T) Invalid ICDO-2 (T) code", nullptr, false},
      {"2C5x981x033", "2C5x981x033 (T) Invalid ICDO-2 (T) code", nullptr, false},
      {"2C50981x033", "2C50981x033 (M) Invalid ICDO-2 (M) code", nullptr, false},
      {"2C509123433", "2C509123433 (M) Invalid ICDO-2 (M) code", nullptr, false},
      {"2C509905303", "2C509905303 (M) The ICDO-2 (M) code has been deleted", nullptr, false},
      {"2C384905333", nullptr, "2C384905333 C384905333", false},
  };
  GorvatRecordStep step;
  for (const Case& c : cases) Expect(step, c);
}

TEST(GorvatRecordStep, ATopographyWithoutANumberIsATopographyError) {
  // The previous record's topography must not stand in for a missing one.
  GorvatRecordStep step;
  Expect(step, {"1C539814033", "1C539814033 (S) Invalid sex/site combination", nullptr, false});
  // Blanks count as '0' beside a digit only: blanks alone are no code, not C00.0.
  Expect(step, {"1C  0814033", nullptr, "1C  0814033 C000814033", false});
  Expect(step, {"1C   814033", "1C   814033 (T) Invalid ICDO-2 (T) code", nullptr, false});
  Expect(step, {"1Cxx 814033", "1Cxx 814033 (T) Invalid ICDO-2 (T) code", nullptr, false});
  Expect(step, {"1C-- 814033", "1C-- 814033 (T) Invalid ICDO-2 (T) code", nullptr, false});
}

TEST(GorvatRecordStep, TheFirstCodeWithCMakesTheCRequired) {
  GorvatRecordStep step;
  Expect(step, {"2    814033", "2    814033 (T) Invalid ICDO-2 (T) code", nullptr, false});
  // Before any code with C, codes without it convert: "50 9" reads the site
  // from columns 2 and 3 and the subsite from column 5.
  Expect(step, {"250 9814033", nullptr, "250 9814033 C509814033", false});
  Expect(step, {"2C509814033", nullptr, "2C509814033 C509814033", false});
  Expect(step, {"250 9814033", "250 9814033 (T) Invalid ICDO-2 (T) code", nullptr, false});
  // The sex/site test still comes first.
  Expect(step, {"153 9814033", "153 9814033 (S) Invalid sex/site combination", nullptr, false});
  Expect(step, {"2c509814033", nullptr, "2c509814033 C509814033", false});
  Expect(step, {"250 9814033", "250 9814033 (T) Invalid ICDO-2 (T) code", nullptr, false});
}

}  // namespace
