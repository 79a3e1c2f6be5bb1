// The work on one record: which rules run under which conditions, and what
// reaches them.
#include "tools/check/recordcheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvarin {
namespace {

// A record of the layout below, field by field; each field defaults to a
// clean value (a woman of 50 with a ductal carcinoma of the breast).
struct Fields {
  std::string sex = "F", topography = "C509", morphology = "8500", behaviour = "3", grade = "2",
              basis = "7", age = "050", birth = "19600315", incidence = "20100620";
  std::string Text() const {
    return "0001" + sex + topography + morphology + behaviour + grade + basis + age + birth +
           incidence;
  }
};

// Registration 1-4, sex 5, topography 6-9, morphology 10-13, behaviour 14,
// grade 15, basis 16, age 17-19, birth date 20-27, incidence date 28-35.
CheckRow Layout() {
  CheckRow row;
  row.regNoStart = 1, row.regNoEnd = 4;
  row.sexStart = row.sexEnd = 5;
  row.topographyStart = 6, row.topographyEnd = 9;
  row.histologyStart = 10, row.histologyEnd = 13;
  row.behaviourStart = row.behaviourEnd = 14;
  row.gradeStart = row.gradeEnd = 15;
  row.basisStart = row.basisEnd = 16;
  row.ageStart = 17, row.ageEnd = 19;
  row.birthDateStart = 20, row.birthDateEnd = 27, row.birthDateFormat = 0;
  row.incidenceDateStart = 28, row.incidenceDateEnd = 35, row.incidenceDateFormat = 0;
  row.maleCode = 'M', row.femaleCode = 'F';
  const char codes[4] = {'5', '6', '7', '8'};
  for (int i = 0; i < 4; ++i) row.microscopicCodes[i] = codes[i];
  row.recordLength = 35;
  row.ageUnknownCode = "999";
  return row;
}

constexpr int kToday = 20261207;

RecordFindings CheckOne(const CheckRow& row, const Fields& fields) {
  RecordCheck check;
  std::string error;
  EXPECT_TRUE(check.Configure(row, kToday, &error)) << error;
  RecordFindings findings;
  check.Check(fields.Text(), 0, &findings);
  return findings;
}

TEST(RecordCheck, CleanRecord) {
  const RecordFindings f = CheckOne(Layout(), Fields());
  EXPECT_FALSE(f.AnyError());
  EXPECT_FALSE(f.AnyWarning());
  EXPECT_EQ(1, f.sex);
  EXPECT_EQ(509, f.topography);
  EXPECT_EQ(8500, f.morphology);
  EXPECT_EQ(1, f.basis);
  EXPECT_EQ(50, f.age);
  EXPECT_EQ(19600315, f.birthDate);
  EXPECT_EQ(20100620, f.incidenceDate);
}

// A rule is skipped when a value it needs is invalid.
struct SkipCase {
  const char* what;
  Fields fields;
  CheckErrorKind expectedError;
  bool sexSiteError;
  int histologySite;
  bool behaviourSite;
};

TEST(RecordCheck, RulesNeedValidCodes) {
  Fields man;  // a man with a cervix carcinoma: sex/site error
  man.sex = "M", man.topography = "C539", man.morphology = "8070";
  Fields badSex = man;
  badSex.sex = "X";
  Fields badTopography = man;
  badTopography.topography = "C537";

  EXPECT_TRUE(CheckOne(Layout(), man).errors[kSexSiteError]);
  EXPECT_FALSE(CheckOne(Layout(), badSex).errors[kSexSiteError]);
  EXPECT_FALSE(CheckOne(Layout(), badTopography).errors[kSexSiteError]);
  CheckRow noSex = Layout();
  noSex.sexStart = -1;
  EXPECT_FALSE(CheckOne(noSex, man).errors[kSexSiteError]);

  Fields inSitu;  // in situ on bone, 8500 not expected there: two warnings
  inSitu.topography = "C410", inSitu.behaviour = "2", inSitu.grade = "9";
  RecordFindings f = CheckOne(Layout(), inSitu);
  EXPECT_EQ(57, f.warnings[kHistologySiteWarning]);
  EXPECT_NE(0, f.warnings[kBehaviourSiteWarning]);
  inSitu.topography = "C417";
  f = CheckOne(Layout(), inSitu);
  EXPECT_TRUE(f.errors[kTopographyCodeError]);
  EXPECT_EQ(0, f.warnings[kHistologySiteWarning]);
  EXPECT_EQ(0, f.warnings[kBehaviourSiteWarning]);

  Fields benignGrade;  // a benign tumour with a grade: grade/histology warning
  benignGrade.behaviour = "0";
  EXPECT_NE(0, CheckOne(Layout(), benignGrade).warnings[kGradeHistologyWarning]);
  CheckRow noBehaviour = Layout();
  noBehaviour.behaviourStart = -1;  // the grade rule needs the behaviour column
  EXPECT_EQ(0, CheckOne(noBehaviour, benignGrade).warnings[kGradeHistologyWarning]);
  benignGrade.behaviour = "5";
  f = CheckOne(Layout(), benignGrade);
  EXPECT_TRUE(f.errors[kBehaviourCodeError]);
  EXPECT_EQ(0, f.warnings[kGradeHistologyWarning]);
  EXPECT_EQ(0, f.warnings[kBehaviourHistologyWarning]);
}

TEST(RecordCheck, BasisRuleTakesTheTopographyAsItStands) {
  // A melanoma not verified microscopically is acceptable on the eye, even
  // when the eye's code is invalid, and unlikely without any topography.
  Fields melanoma;
  melanoma.topography = "C697", melanoma.morphology = "8720", melanoma.basis = "1";
  RecordFindings f = CheckOne(Layout(), melanoma);
  EXPECT_TRUE(f.errors[kTopographyCodeError]);
  EXPECT_EQ(0, f.warnings[kBasisHistologyWarning]);
  CheckRow noTopography = Layout();
  noTopography.topographyStart = noTopography.topographyEnd = -1;
  EXPECT_NE(0, CheckOne(noTopography, melanoma).warnings[kBasisHistologyWarning]);
  CheckRow noBasis = Layout();
  noBasis.basisStart = -1;
  EXPECT_EQ(0, CheckOne(noBasis, melanoma).warnings[kBasisHistologyWarning]);
}

TEST(RecordCheck, AgeSiteHistologyTakes8000ForAnInvalidMorphology) {
  Fields neuroblastoma;  // a girl of 10 with a neuroblastoma of the adrenal gland
  neuroblastoma.topography = "C740", neuroblastoma.morphology = "9500", neuroblastoma.grade = "9",
  neuroblastoma.age = "010", neuroblastoma.birth = "20000101", neuroblastoma.incidence = "20100601";
  EXPECT_NE(0, CheckOne(Layout(), neuroblastoma).warnings[kAgeSiteHistologyWarning]);
  neuroblastoma.morphology = "950x";
  EXPECT_EQ(0, CheckOne(Layout(), neuroblastoma).warnings[kAgeSiteHistologyWarning]);
  CheckRow noMorphology = Layout();
  noMorphology.histologyStart = -1;
  EXPECT_EQ(0, CheckOne(noMorphology, neuroblastoma).warnings[kAgeSiteHistologyWarning]);
}

TEST(RecordCheck, AgeSiteHistologyNeedsAValidStatedAge) {
  Fields child;  // lung carcinoma at 10
  child.topography = "C341", child.morphology = "8140", child.age = "010", child.birth = "20000101",
  child.incidence = "20100601";
  EXPECT_NE(0, CheckOne(Layout(), child).warnings[kAgeSiteHistologyWarning]);

  Fields unknownAge = child;
  unknownAge.age = "999";
  EXPECT_EQ(0, CheckOne(Layout(), unknownAge).warnings[kAgeSiteHistologyWarning]);

  Fields disagreeing = child;  // 12 recorded, 10 from the dates
  disagreeing.age = "012";
  RecordFindings f = CheckOne(Layout(), disagreeing);
  EXPECT_TRUE(f.errors[kAgeError]);
  EXPECT_EQ(0, f.warnings[kAgeSiteHistologyWarning]);

  Fields noBirthDate = child;  // birth date not stated: the age is unknown
  noBirthDate.birth = "        ";
  f = CheckOne(Layout(), noBirthDate);
  EXPECT_FALSE(f.AnyError());
  EXPECT_EQ(999, f.age);
  EXPECT_EQ(0, f.warnings[kAgeSiteHistologyWarning]);

  CheckRow noAgeColumn = Layout();
  noAgeColumn.ageStart = noAgeColumn.ageEnd = -1;
  Fields computed = child;
  computed.age = "xxx";  // not read
  f = CheckOne(noAgeColumn, computed);
  EXPECT_EQ(10, f.age);
  EXPECT_NE(0, f.warnings[kAgeSiteHistologyWarning]);
}

struct DateCase {
  const char* birth;
  const char* incidence;
  bool birthError, incidenceError, beforeBirth;
  int birthDateState;
};

TEST(RecordCheck, DateErrors) {
  const std::vector<DateCase> cases = {
      {"19600315", "20100620", false, false, false, 0},
      {"19600230", "20100620", true, false, false, 1},    // 30 February
      {"20261208", "20261207", true, false, false, 1},    // born tomorrow
      {"19600315", "20261208", false, true, false, 0},    // diagnosed tomorrow
      {"19600315", "20261207", false, false, false, 0},   // diagnosed today
      {"19600315", "99999999", false, true, false, 0},    // incidence not stated
      {"        ", "20100620", false, false, false, -1},  // birth not stated
      {"99999999", "20100620", true, false, false, 1},    // month 99
      {"20100621", "20100620", false, false, true, 0},    // born a day after diagnosis
      {"20100620", "20100620", false, false, false, 0},
  };
  for (const DateCase& c : cases) {
    Fields fields;
    fields.birth = c.birth, fields.incidence = c.incidence, fields.age = "999";
    const RecordFindings f = CheckOne(Layout(), fields);
    EXPECT_EQ(c.birthError, f.errors[kBirthDateError]) << c.birth << " " << c.incidence;
    EXPECT_EQ(c.incidenceError, f.errors[kIncidenceDateError]) << c.birth << " " << c.incidence;
    EXPECT_EQ(c.beforeBirth, f.errors[kBeforeBirthError]) << c.birth << " " << c.incidence;
    EXPECT_EQ(c.birthDateState, f.birthDateState) << c.birth << " " << c.incidence;
  }
}

TEST(RecordCheck, DateLayoutsFollowTheStoredIndexOfTheirWidth) {
  CheckRow row = Layout();
  row.birthDateFormat = 1;      // width 8, index 1: DDMMYYYY
  row.incidenceDateFormat = 4;  // width 8, index 4: MM/DD/YY
  Fields fields;
  fields.birth = "25121949", fields.incidence = "06-20-10", fields.age = "060";
  const RecordFindings f = CheckOne(row, fields);
  EXPECT_EQ(19491225, f.birthDate);
  EXPECT_EQ(20100620, f.incidenceDate);
  EXPECT_FALSE(f.AnyError());
}

TEST(RecordCheck, FirstRecordSetsPrefixModeForTheRun) {
  RecordCheck check;
  std::string error;
  ASSERT_TRUE(check.Configure(Layout(), kToday, &error));
  RecordFindings f;
  Fields withC, withoutC;
  withoutC.topography = "50.9";
  check.Check(withC.Text(), 0, &f);
  EXPECT_TRUE(check.topographyPrefix());
  check.Check(withoutC.Text(), 1, &f);
  EXPECT_TRUE(f.errors[kTopographyCodeError]);

  ASSERT_TRUE(check.Configure(Layout(), kToday, &error));  // a new run starts without it
  check.Check(withoutC.Text(), 0, &f);
  EXPECT_FALSE(f.errors[kTopographyCodeError]);
  check.Check(withC.Text(), 1, &f);
  EXPECT_FALSE(f.errors[kTopographyCodeError]);
  EXPECT_FALSE(check.topographyPrefix());
}

TEST(RecordCheck, AgeIsAppendedOnlyWithBothDatesAndNoAgeColumn) {
  const struct {
    int ageStart, birthDateStart, incidenceDateStart;
    bool appends;
  } cases[] = {{-1, 20, 28, true},
               {0, 20, 28, false},
               {17, 20, 28, false},
               {-1, -1, 28, false},
               {-1, 20, -1, false}};
  for (const auto& c : cases) {
    CheckRow row = Layout();
    row.ageStart = row.ageEnd = c.ageStart;
    if (c.ageStart > 0) row.ageEnd = 19;
    row.birthDateStart = c.birthDateStart;
    row.incidenceDateStart = c.incidenceDateStart;
    RecordCheck check;
    std::string error;
    ASSERT_TRUE(check.Configure(row, kToday, &error)) << error;
    EXPECT_EQ(c.appends, check.AppendsAge())
        << c.ageStart << " " << c.birthDateStart << " " << c.incidenceDateStart;
  }
}

}  // namespace
}  // namespace kelvarin
