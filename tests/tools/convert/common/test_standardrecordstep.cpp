// The record step of the six programs that convert to ICD-O-2, through a
// converter that answers what each case asks for: the field tests, the sex
// tests before and after conversion, the message chains and the three output
// forms.
#include "tools/convert/common/standardrecordstep.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/convert/common/conversionrun.h"
#include "tools/convert/common/outputforms.h"

using namespace kelvarin;

namespace {

using Lines = kelvarin::test::CollectedLines;

// Answers with a fixed result and codes; remembers what it was given.
class FixedConverter : public CodeConverter {
 public:
  int result = kConverted;
  ConvertedCodes codes{509, 8140, 3, 9};
  bool review = false;
  int calls = 0;
  RecordCodes seen;

  int Convert(const RecordCodes& input, const ConversionRow&, ConvertedCodes* out) override {
    ++calls;
    seen = input;
    *out = codes;
    return result;
  }
  bool NeedsReview(const RecordCodes&, const ConversionRow&, const ConvertedCodes&) const override {
    return review;
  }
};

// The chain of the ICD-O-1 programs.
const MessageRule kChain[] = {
    {kInvalidSexSiteFlag, 0, " (S) Invalid sex/site combination"},
    {kInvalidSexFlag, 0, " (S) Invalid sex code"},
    {kInvalidBehaviourFlag, kInvalidBehaviour, " (B) Invalid behaviour code"},
    {kInvalidGradeFlag, 0, " (G) Invalid grade code"},
    {kInvalidSiteFlag, kInvalidSite, " (T) Invalid ICDO-1 (T) code"},
    {kInvalidMorphologyFlag, kInvalidMorphology, " (M) Invalid ICDO-1 (M) code"},
    {kAnyFlag, kAnyResult, " (?)"},
};

// Records: sex at 1, site at 2-5, morphology 6-9, behaviour 10, grade 11.
ConversionRow Row(int optionA = 0, int gradeStart = 11) {
  ConversionRow row = kelvarin::test::CodeRow(1, 4, true, 'M', 'F');
  row.gradeStart = row.gradeEnd = gradeStart;
  row.optionA = optionA;
  return row;
}

int MaleWithSite53(int sexIndex, int site) { return sexIndex == 0 && site == 53 ? 1 : 0; }

StandardStepRules Rules(SexSiteBefore before, ConvertedOutput output,
                        SiteDigitTest digits = SiteDigitTest::kAllFour,
                        const char* letters = nullptr) {
  return StandardStepRules{digits,          letters, before,
                           &MaleWithSite53, output,  MakeMessageChain(kChain)};
}

const ConversionProgram& Elbrac() { return *FindConversionProgram("Elbrac"); }

struct ErrorCase {
  const char* record;
  int result;  // what the converter answers when it is asked
  const char* line;
  bool converterCalled;
};

TEST(StandardRecordStep, FirstMessageOfTheChain) {
  const ErrorCase cases[] = {
      {"M1830814032", kConverted, "M1830814032 (S) Invalid sex/site combination", false},
      {"F1850814032", kConverted, "F1850814032 (S) Invalid sex/site combination", false},
      {"X1830814032", kConverted, "X1830814032 (S) Invalid sex code", false},
      {"M1830814052", kConverted, "M1830814052 (S) Invalid sex/site combination", false},
      {"F14x0814x3x", kConverted, "F14x0814x3x (G) Invalid grade code", false},
      {"F14x0814x32", kConverted, "F14x0814x32 (T) Invalid ICDO-1 (T) code", false},
      {"FA4000814 2", kConverted, "FA4000814 2 (B) Invalid behaviour code", false},
      {"F140081x032", kConverted, "F140081x032 (M) Invalid ICDO-1 (M) code", false},
      {"F1400814032", kInvalidSite, "F1400814032 (T) Invalid ICDO-1 (T) code", true},
      {"F1400814032", kInvalidBehaviour, "F1400814032 (B) Invalid behaviour code", true},
      {"F1400814032", kInvalidMorphology, "F1400814032 (M) Invalid ICDO-1 (M) code", true},
      {"F1400814032", kInvalidCombination, "F1400814032 (?)", true},
      {"F1400814032", kCannotConvert, "F1400814032 (?)", true},
      // The sex/site rule after conversion: MaleWithSite53 on topography 530.
      {"M1400814032", kConverted, "M1400814032 (S) Invalid sex/site combination", true},
  };
  for (const ErrorCase& c : cases) {
    FixedConverter converter;
    converter.result = c.result;
    if (std::string(c.record) == "M1400814032") converter.codes.topography = 530;
    const StandardStepRules rules =
        Rules(SexSiteBefore::kIcdO1Site, ConvertedOutput::kCodesWithGrade);
    StandardRecordStep step(Elbrac(), rules, converter);
    Lines lines;
    step.ConvertRecord(c.record, Row(), lines);
    EXPECT_EQ(std::vector<std::string>{c.line}, lines.errors) << c.record;
    EXPECT_TRUE(lines.output.empty()) << c.record;
    EXPECT_EQ(c.converterCalled ? 1 : 0, converter.calls) << c.record;
  }
}

TEST(StandardRecordStep, SexSiteBeforeConversionBySiteForm) {
  struct Case {
    SexSiteBefore before;
    SiteDigitTest digits;
    const char* site;
    char sex;
    bool fails;
  };
  const Case cases[] = {
      {SexSiteBefore::kIcdO1Site, SiteDigitTest::kAllFour, "1799", 'M', true},
      {SexSiteBefore::kIcdO1Site, SiteDigitTest::kAllFour, "1849", 'M', true},
      {SexSiteBefore::kIcdO1Site, SiteDigitTest::kAllFour, "1859", 'M', false},
      {SexSiteBefore::kIcdO1Site, SiteDigitTest::kAllFour, "1870", 'F', true},
      {SexSiteBefore::kIcdO1Site, SiteDigitTest::kAllFour, "1880", 'F', false},
      {SexSiteBefore::kIcd9Code, SiteDigitTest::kFirstThree, "179 ", 'M', true},
      {SexSiteBefore::kIcd9Code, SiteDigitTest::kFirstThree, "1859", 'F', true},
      {SexSiteBefore::kIcd9Code, SiteDigitTest::kFirstThree, "1749", 'M', false},
      {SexSiteBefore::kIcd9Code, SiteDigitTest::kFirstThree, "V185", 'F', false},  // no number
      {SexSiteBefore::kNone, SiteDigitTest::kFirstThree, "1830", 'M', false},
  };
  for (const Case& c : cases) {
    FixedConverter converter;
    const StandardStepRules rules = Rules(c.before, ConvertedOutput::kCodesWithGrade, c.digits);
    StandardRecordStep step(Elbrac(), rules, converter);
    Lines lines;
    const std::string record = std::string(1, c.sex) + c.site + "814032";
    step.ConvertRecord(record, Row(), lines);
    const bool sexSite =
        !lines.errors.empty() && lines.errors[0].find("(S) Invalid sex/site") != std::string::npos;
    EXPECT_EQ(c.fails, sexSite) << record;
  }
}

TEST(StandardRecordStep, SiteLettersAndDigitTests) {
  struct Case {
    SiteDigitTest digits;
    const char* letters;
    const char* site;
    bool valid;
    const char* seen;  // the site text handed to the converter
  };
  const Case cases[] = {
      {SiteDigitTest::kSecondAndThird, "CcDd", "C509", true, "C509"},
      {SiteDigitTest::kSecondAndThird, "CcDd", "d45 ", true, "d45 "},
      {SiteDigitTest::kSecondAndThird, "CcDd", "X509", false, nullptr},
      {SiteDigitTest::kSecondAndThird, "CcDd", " 509", false, nullptr},
      {SiteDigitTest::kSecondAndThird, nullptr, "X509", true, "X509"},
      {SiteDigitTest::kSecondAndThird, nullptr, "C5x9", false, nullptr},
      {SiteDigitTest::kAllFour, nullptr, "140 ", true, "1400"},
      {SiteDigitTest::kFirstThree, nullptr, "14 9", true, "1409"},
  };
  for (const Case& c : cases) {
    FixedConverter converter;
    const StandardStepRules rules =
        Rules(SexSiteBefore::kNone, ConvertedOutput::kCodesWithGrade, c.digits, c.letters);
    StandardRecordStep step(Elbrac(), rules, converter);
    Lines lines;
    step.ConvertRecord(std::string("F") + c.site + "814032", Row(), lines);
    EXPECT_EQ(c.valid, lines.errors.empty()) << c.site;
    if (c.seen) {
      EXPECT_STREQ(c.seen, converter.seen.site) << c.site;
    }
  }
}

TEST(StandardRecordStep, CodesWithGradeAppendedOrInPlace) {
  FixedConverter converter;
  converter.codes = {9, 8000, 3, 9};
  const StandardStepRules rules = Rules(SexSiteBefore::kNone, ConvertedOutput::kCodesWithGrade);
  StandardRecordStep step(Elbrac(), rules, converter);

  Lines appended;
  step.ConvertRecord("F1409800035", Row(), appended);
  EXPECT_EQ(std::vector<std::string>{"F1409800035 C009800035"}, appended.output);
  EXPECT_TRUE(appended.warnings.empty());
  EXPECT_EQ(8000, converter.seen.morphology);
  EXPECT_EQ(3, converter.seen.behaviour);
  EXPECT_EQ('5', converter.seen.grade);

  Lines noGrade;
  step.ConvertRecord("F1409800035", Row(0, -1), noGrade);
  EXPECT_EQ(std::vector<std::string>{"F1409800035 C009800039"}, noGrade.output);

  // In place: C and the site digits, the subsite, morphology and behaviour;
  // the grade stays. A reviewed record goes to the warning file as written.
  converter.codes = {541, 8442, 3, 9};
  converter.review = true;
  Lines replaced;
  step.ConvertRecord("F1830844115", Row(1), replaced);
  EXPECT_EQ(std::vector<std::string>{"FC541844235"}, replaced.output);
  EXPECT_EQ(replaced.output, replaced.warnings);
}

TEST(StandardRecordStep, ReviewLineFirstThenBehaviourAtMostThree) {
  FixedConverter converter;
  converter.codes = {550, 8000, 9, 9};
  converter.review = true;
  const StandardStepRules rules = Rules(SexSiteBefore::kIcd9Code, ConvertedOutput::kReviewLineFirst,
                                        SiteDigitTest::kFirstThree);
  const ConversionProgram& alquen = *FindConversionProgram("Alquen");
  StandardRecordStep step(alquen, rules, converter);
  Lines lines;
  // Alquen reads no morphology: the columns beyond the site are never tested.
  step.ConvertRecord("M1552xxxxxx", Row(1), lines);
  EXPECT_EQ(std::vector<std::string>{"M1552xxxxxx  C550800099"}, lines.warnings);
  EXPECT_EQ(std::vector<std::string>{"M1552xxxxxx C550800039"}, lines.output);

  converter.review = false;
  converter.codes = {9, 8000, 3, 9};
  Lines plain;
  step.ConvertRecord("M1409xxxxxx", Row(1), plain);
  EXPECT_TRUE(plain.warnings.empty());
  EXPECT_EQ(std::vector<std::string>{"M1409xxxxxx C009800039"}, plain.output);
}

TEST(StandardRecordStep, MarkedForReviewKeepsTheDefaults) {
  FixedConverter converter;
  const StandardStepRules rules = Rules(SexSiteBefore::kNone, ConvertedOutput::kMarkedForReview,
                                        SiteDigitTest::kSecondAndThird);
  const ConversionProgram& caslov = *FindConversionProgram("Caslov");
  StandardRecordStep step(caslov, rules, converter);

  converter.codes = {509, 8010, 2, 9};
  converter.result = kCannotConvert;
  Lines marked;
  step.ConvertRecord("FD057______", Row(1), marked);
  EXPECT_EQ(std::vector<std::string>{"FD057______#C509801029"}, marked.output);
  EXPECT_EQ(1, marked.counted);
  EXPECT_TRUE(marked.errors.empty());

  // A marked record skips the sex/site rule; a converted one does not.
  converter.codes = {530, 8000, 3, 9};
  Lines markedMale;
  step.ConvertRecord("MC539______", Row(), markedMale);
  EXPECT_EQ(std::vector<std::string>{"MC539______#C530800039"}, markedMale.output);
  converter.result = kConverted;
  Lines convertedMale;
  step.ConvertRecord("MC539______", Row(), convertedMale);
  EXPECT_EQ(std::vector<std::string>{"MC539______ (S) Invalid sex/site combination"},
            convertedMale.errors);

  converter.codes = {421, 9800, 3, 5};
  Lines converted;
  step.ConvertRecord("FC959______", Row(1), converted);  // optionA is ignored
  EXPECT_EQ(std::vector<std::string>{"FC959______ C421980035"}, converted.output);
  EXPECT_EQ(0, converted.counted);
}

TEST(OutputForms, ReplaceWritesOnlyTheCodeColumns) {
  ConversionRow row = Row(1);
  row.topographyStart = 3;
  row.topographyEnd = 7;  // "C50.9": the point stays
  row.histologyStart = 9;
  row.behaviourStart = row.behaviourEnd = 14;
  RecordLine line;
  line.Assign("ab150.9d8140e3f");
  ReplaceConvertedCodes(ReplaceForm::kSiteAndCodes, row, line, 9, 97183 / 10, 3);
  EXPECT_EQ("abC00.9d9718e3f", line.View());
  line.Assign("ab150.9d8140e3f");
  ReplaceConvertedCodes(ReplaceForm::kMorphologyAndCodes, row, line, 9, 8933, 1);
  EXPECT_EQ("ab150.9d8933e1f", line.View());
}

}  // namespace
