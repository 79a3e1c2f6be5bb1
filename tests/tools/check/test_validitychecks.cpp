#include "tools/check/validitychecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvarin {
namespace {

struct SexCase {
  const char* record;
  char maleCode, femaleCode;
  int sex;
  bool error;
};

TEST(CheckSexCode, CodesAreComparedWithoutLetterCase) {
  const std::vector<SexCase> cases = {
      {"m", 'M', 'F', 0, false},
      {"M", 'm', 'f', 0, false},
      {"f", 'M', 'F', 1, false},
      {"F", 'M', 'f', 1, false},
      {"X", 'M', 'F', 0, true},
      {" ", 'M', 'F', 0, true},
      {"1", '1', '2', 0, false},
      {"2", '1', '2', 1, false},
      {"3", '1', '2', 0, true},
      // When both codes are the same character, male is tested first.
      {"a", 'A', 'A', 0, false},
  };
  for (const SexCase& c : cases) {
    const CodeValue result = CheckSexCode(c.record, 1, c.maleCode, c.femaleCode);
    EXPECT_EQ(c.sex, result.value) << c.record;
    EXPECT_EQ(c.error, result.error) << c.record;
  }
}

TEST(CheckSexCode, ReadsItsOwnColumnAndTreatsColumnsOutsideTheRecordAsErrors) {
  EXPECT_EQ(1, CheckSexCode("xxFxx", 3, 'M', 'F').value);
  EXPECT_TRUE(CheckSexCode("xxFxx", 6, 'M', 'F').error);
  const CodeValue absent = CheckSexCode("xxFxx", -1, 'M', 'F');
  EXPECT_EQ(0, absent.value);
  EXPECT_FALSE(absent.error);
  EXPECT_FALSE(CheckSexCode("X", 0, 'M', 'F').error);
}

struct TopographyCase {
  const char* record;
  int start, end;
  int value;
  bool error;
};

TEST(CheckTopographyCode, ReadsSiteAndSubsiteOfTheFirstRecord) {
  const std::vector<TopographyCase> cases = {
      {"C50.1", 1, 5, 501, false},
      {"C50.7", 1, 5, 507, true},
      {"C80.9", 1, 5, 809, false},
      {"c50.1", 1, 5, 501, false},
      {"C509", 1, 4, 509, false},
      {"509", 1, 3, 509, false},
      {"50.9", 1, 4, 509, false},
      {"000", 1, 3, 0, false},
      {"780", 1, 3, 780, true},
      // A blank counts as '0' only in the digit test: 5, blank, 1 is read as 5.
      {"5 1", 1, 3, 5, false},
      {" 51", 1, 3, 51, false},
      {"5x1", 1, 3, 5, true},
      {"-51", 1, 3, -51, true},
      {"+51", 1, 3, 51, true},
      {"C 5x", 1, 4, 5, true},
      // The code may stand anywhere in the record.
      {"12345C619xx", 6, 9, 619, false},
      // Columns beyond the record are never a code.
      {"C5", 1, 4, 5, true},
  };
  for (const TopographyCase& c : cases) {
    bool prefixMode = false;
    const CodeValue result = CheckTopographyCode(c.record, c.start, c.end, prefixMode, 0);
    EXPECT_EQ(c.value, result.value) << c.record;
    EXPECT_EQ(c.error, result.error) << c.record;
  }
}

TEST(CheckTopographyCode, CodeWithoutAnyNumberIsAnErrorAndInheritsNothing) {
  bool prefixMode = false;
  ASSERT_FALSE(CheckTopographyCode("509", 1, 3, prefixMode, 0).error);
  for (const char* record : {"   ", "C   ", "\t  "}) {
    const CodeValue blank = CheckTopographyCode(record, 1, 3, prefixMode, 1);
    EXPECT_TRUE(blank.error) << '"' << record << '"';
    EXPECT_EQ(0, blank.value) << '"' << record << '"';
  }
}

// Checks a file's topography column record after record.
std::vector<bool> TopographyErrors(const std::vector<std::string>& records, bool* prefixMode) {
  std::vector<bool> errors;
  long long read = 0;
  for (const std::string& record : records)
    errors.push_back(CheckTopographyCode(record, 1, 4, *prefixMode, read++).error);
  return errors;
}

TEST(CheckTopographyCode, FirstRecordDecidesWhetherTheLetterCIsRequired) {
  bool prefixMode = false;
  EXPECT_EQ((std::vector<bool>{false, true, false, false}),
            TopographyErrors({"C509", "509 ", "c509", "C180"}, &prefixMode));
  EXPECT_TRUE(prefixMode);

  prefixMode = false;
  EXPECT_EQ((std::vector<bool>{false, false, false}),
            TopographyErrors({"509 ", "C509", "509 "}, &prefixMode));
  EXPECT_FALSE(prefixMode);

  // An invalid first code with the C still sets prefix mode.
  prefixMode = false;
  EXPECT_EQ((std::vector<bool>{true, true}), TopographyErrors({"C507", "509 "}, &prefixMode));
}

TEST(CheckTopographyCode, PrefixModeIsSetOnlyWhileNoRecordHasBeenRead) {
  bool prefixMode = false;
  EXPECT_FALSE(CheckTopographyCode("C509", 1, 4, prefixMode, 1).error);
  EXPECT_FALSE(prefixMode);
}

TEST(CheckTopographyCode, AbsentVariableGivesTopographyZero) {
  bool prefixMode = true;
  const CodeValue absent = CheckTopographyCode("junk", -1, -1, prefixMode, 0);
  EXPECT_EQ(0, absent.value);
  EXPECT_FALSE(absent.error);
}

struct MorphologyCase {
  const char* record;
  int value;
  bool error;
};

TEST(CheckMorphologyCode, FourCharactersMustFormAMorphologyCode) {
  const std::vector<MorphologyCase> cases = {
      {"8000", 8000, false},
      {"8006", 8006, true},
      {"800 ", 800, true},
      {" 800", 800, true},
      {"9992", 9992, false},
      {"9993", 9993, true},
      {"80a0", 80, true},
      {"8140", 8140, false},
      {"7999", 7999, true},
      {"9811", 9811, false},
      {"0814", 814, true},
      {"-814", -814, true},
      // Only the four columns count; the rest of the record is not read.
      {"81403", 8140, false},
      {"814", 814, true},
  };
  for (const MorphologyCase& c : cases) {
    const CodeValue result = CheckMorphologyCode(c.record, 1);
    EXPECT_EQ(c.value, result.value) << c.record;
    EXPECT_EQ(c.error, result.error) << c.record;
  }
}

TEST(CheckMorphologyCode, BlankCodeIsAnErrorAfterAValidRecord) {
  ASSERT_FALSE(CheckMorphologyCode("xx8140", 3).error);
  const CodeValue blank = CheckMorphologyCode("xx    ", 3);
  EXPECT_TRUE(blank.error);
  EXPECT_EQ(8000, blank.value);
}

TEST(CheckMorphologyCode, AbsentVariableGives8000) {
  const CodeValue absent = CheckMorphologyCode("junk", 0);
  EXPECT_EQ(8000, absent.value);
  EXPECT_FALSE(absent.error);
}

TEST(CheckBehaviourAndGrade, DigitRules) {
  const std::string behaviours = "0123";
  for (char c = ' '; c < 127; ++c) {
    const std::string record(1, c);
    const bool digit = c >= '0' && c <= '9';
    const CodeValue behaviour = CheckBehaviourCode(record, 1);
    EXPECT_EQ(behaviours.find(c) == std::string::npos, behaviour.error) << c;
    if (!behaviour.error) {
      EXPECT_EQ(c - '0', behaviour.value);
    }
    const CodeValue grade = CheckGradeCode(record, 1);
    EXPECT_EQ(!digit, grade.error) << c;
    if (digit) {
      EXPECT_EQ(c - '0', grade.value);
    }
  }
  EXPECT_TRUE(CheckBehaviourCode("3", 2).error);
  EXPECT_TRUE(CheckGradeCode("3", 2).error);
}

TEST(CheckBehaviourAndGrade, AbsentVariablesGiveBehaviour3AndGrade9) {
  EXPECT_EQ(3, CheckBehaviourCode("x", -1).value);
  EXPECT_FALSE(CheckBehaviourCode("x", -1).error);
  EXPECT_EQ(9, CheckGradeCode("x", -1).value);
  EXPECT_FALSE(CheckGradeCode("x", -1).error);
}

TEST(ReadBasisOfDiagnosis, MicroscopicCodesCompareExactly) {
  const char codes[4] = {'5', '6', '7', 'A'};
  EXPECT_EQ(1, ReadBasisOfDiagnosis("5", 1, codes));
  EXPECT_EQ(1, ReadBasisOfDiagnosis("7", 1, codes));
  EXPECT_EQ(1, ReadBasisOfDiagnosis("xA", 2, codes));
  EXPECT_EQ(-1, ReadBasisOfDiagnosis("a", 1, codes));
  EXPECT_EQ(-1, ReadBasisOfDiagnosis("1", 1, codes));
  EXPECT_EQ(-1, ReadBasisOfDiagnosis(" ", 1, codes));
  EXPECT_EQ(0, ReadBasisOfDiagnosis("5", -1, codes));
}

struct AgeCase {
  const char* field;
  const char* unknownCode;
  int age;
  int flag;
};

TEST(CheckAgeField, UnknownCodeDigitsAndRange) {
  const std::vector<AgeCase> cases = {
      {"99", "999", 999, 0}, {"999", "999", 999, 0}, {"121", "999", 121, 2}, {"120", "999", 120, 0},
      {"000", "999", 0, 0},  {"50", "999", 50, 0},   {"12a", "999", 12, 1},  {"-5", "999", -5, 1},
      {" 5", "999", 5, 0},   {"5 ", "999", 5, 0},    {"  ", "999", 0, 0},    {"XX", "XX", 999, 0},
      {"xx", "XX", 0, 1},    {"99", "", 99, 0},      {"99 ", "99", 99, 0},   {"990", "99", 990, 2},
      {"9", "999", 999, 0},  {"8", "999", 8, 0},
  };
  for (const AgeCase& c : cases) {
    const std::string record = std::string("xx") + c.field + "yy";
    const int end = 2 + static_cast<int>(std::string(c.field).size());
    const AgeValue result = CheckAgeField(record, 3, end, c.unknownCode);
    EXPECT_EQ(c.age, result.age) << '"' << c.field << "\" code " << c.unknownCode;
    EXPECT_EQ(c.flag, result.flag) << '"' << c.field << "\" code " << c.unknownCode;
  }
}

TEST(CheckAgeField, FieldOutsideTheRecordIsNotAllDigits) {
  EXPECT_EQ(1, CheckAgeField("xx5", 3, 4, "999").flag);
  EXPECT_EQ(1, CheckAgeField("xx", 3, 4, "999").flag);
  EXPECT_EQ(1, CheckAgeField("xx55", 4, 3, "999").flag);
}

TEST(CheckAgeField, AbsentVariableMeansAgeNotStated) {
  const AgeValue absent = CheckAgeField("50", -1, -1, "999");
  EXPECT_EQ(999, absent.age);
  EXPECT_EQ(0, absent.flag);
}

}  // namespace
}  // namespace kelvarin
