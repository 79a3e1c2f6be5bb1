// Whole runs of the check engine: the output file and the three reports,
// byte for byte, in both error-file forms; the age appended to clean records;
// records written exactly as read; rows the check refuses at start.
#include <gtest/gtest.h>

#include <string>

#include "tests/tools/check/checkrun.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

const char* const kTitle = kCheckTitle;

// The golden layout: registration 1-4, sex 5, topography 6-9 (C509), morphology
// 10-13, behaviour 14, grade 15, basis 16, age 17-19, birth date 20-27 and
// incidence date 28-35 (YYYYMMDD), records of 35 characters.
std::string GoldenRow(int oneRecordPerError) {
  return "1 4 5 5 6 9 10 13 14 14 15 15 16 16 17 19 20 27 0 28 35 0 5 6 7 8 M F 35 1000 " +
         std::to_string(oneRecordPerError) + " 999\n";
}

// An expected file of the test data, its folder placeholder replaced.
std::string Expected(const std::string& name, const TempDir& dir) {
  return ReplaceAll(ReadFile(TestDataPath(name)), "@DIR@", dir.path());
}

class GoldenRun : public ::testing::TestWithParam<int> {};

TEST_P(GoldenRun, OutputAndReportsMatchByteForByte) {
  const int oneRecordPerError = GetParam();
  TempDir dir;
  const std::string input = ReadFile(TestDataPath("golden-input.txt"));
  // Small batches, so that the run crosses many steps.
  ASSERT_TRUE(RunCheck(dir, input, GoldenRow(oneRecordPerError), nullptr, 7));
  EXPECT_EQ(Expected("golden-expected.out", dir), ReadFile(dir / "out.txt"));
  EXPECT_EQ(Expected(oneRecordPerError ? "golden-expected-per-error.err"
                                       : "golden-expected-per-record.err",
                     dir),
            ReadFile(dir / "data.err"));
  EXPECT_EQ(Expected("golden-expected.chk", dir), ReadFile(dir / "data.chk"));
  EXPECT_EQ(Expected("golden-expected.log", dir), ReadFile(dir / "out.log"));
}

// Any value other than 0 asks for one line per error.
INSTANTIATE_TEST_SUITE_P(BothErrorFileForms, GoldenRun, ::testing::Values(0, 1, -3));

// Two records of the golden layout that carry many findings at once, so that
// the order of the lines and fragments inside one record is seen:
// a girl of 10 with a seminoma in situ of the bone, graded and not verified
// microscopically (all seven warnings), and a man with a cervix tumour whose
// morphology, behaviour, grade and age are faulty and who was born after the
// diagnosis (six errors).
const std::string kAllWarnings =
    "0101FC410906321101020000101"
    "20100601";
const std::string kSixErrors = "0102MC53980x09x71x12010010120000101";

TEST(TesmarRun, FindingsOfOneRecordKeepTheirOrderInEveryReport) {
  ASSERT_EQ(35u, kAllWarnings.size());
  ASSERT_EQ(35u, kSixErrors.size());
  for (int oneRecordPerError : {0, 1}) {
    TempDir dir;
    ASSERT_TRUE(
        RunCheck(dir, kAllWarnings + "\n" + kSixErrors + "\n", GoldenRow(oneRecordPerError)));
    EXPECT_EQ(kAllWarnings + "\n", ReadFile(dir / "out.txt"));

    const std::string errors =
        oneRecordPerError
            ? kSixErrors + " Sex/site combination\n" + kSixErrors + " ICDO-3 (M)\n" + kSixErrors +
                  " Behaviour code\n" + kSixErrors + " Grade code\n" + kSixErrors +
                  " Invalid age\n" + kSixErrors + " Date of diagnosis is before birth date\n"
            : kSixErrors +
                  ";sex/site combination;ICDO-3 (M);behaviour code;grade code;invalid age"
                  ";date of diagnosis is before birth date\n";
    EXPECT_EQ(std::string(kTitle) + (dir / "data.txt") +
                  "\nThe following records must be checked\n\n" + errors +
                  "\n1 individual record(s), 6 error(s)\n",
              ReadFile(dir / "data.err"))
        << oneRecordPerError;

    EXPECT_EQ(std::string(kTitle) + (dir / "data.txt") +
                  "\nThe following records should be checked\n\n" + kAllWarnings +
                  " histology/site (28) Testicular tumours\n" + kAllWarnings + " sex/histology\n" +
                  kAllWarnings + " behaviour/topography\n" + kAllWarnings +
                  " behaviour/histology\n" + kAllWarnings + " basis/histology\n" + kAllWarnings +
                  " grade/morphology\n" + kAllWarnings + " age/site/histology\n" +
                  "\n\n1 individual record(s), 7 warning(s)\n",
              ReadFile(dir / "data.chk"))
        << oneRecordPerError;

    EXPECT_EQ(std::string(kTitle) + "Input file: " + (dir / "data.txt") + "\nOutput file: " +
                  (dir / "out.txt") + "\n\n2 records processed. Summary statistics:\n" +
                  "\n6 errors (1 individual records) recorded in " + (dir / "data.err") +
                  ":\n\n"
                  "1 invalid sex/site combination\n"
                  "1 invalid ICDO-3 (M) code\n"
                  "1 invalid behaviour code\n"
                  "1 invalid grade code\n"
                  "1 invalid age\n"
                  "1 date of diagnosis is before birth date\n"
                  "\n\n7 warnings (1 individual records) recorded in " +
                  (dir / "data.chk") +
                  ":\n\n"
                  "1 unlikely sex/histology combination\n"
                  "1 unlikely histology/site combination\n"
                  "1 unlikely behaviour/topography combination\n"
                  "1 unlikely behaviour/histology combination\n"
                  "1 unlikely grade/histology combination\n"
                  "1 unlikely basis/histology combination\n"
                  "1 unlikely age/site/histology combination\n",
              ReadFile(dir / "out.log"))
        << oneRecordPerError;
  }
}

// Layout without an age column: sex 1, topography 2-5, morphology 6-9,
// behaviour 10, birth date 11-18, incidence date 19-26.
std::string DatesOnlyRow(int ageStart) {
  return "-1 -1 1 1 2 5 6 9 10 10 -1 -1 -1 -1 " + std::to_string(ageStart) + " " +
         std::to_string(ageStart) + " 11 18 0 19 26 0 5 6 7 7 M F 26 0 0 999\n";
}

TEST(TesmarRun, CleanRecordsCarryTheAgeFromTheDatesWhenThereIsNoAgeColumn) {
  TempDir dir;
  const std::string records =
      "FC50985003"
      "19500615"
      "20000510\n"  // 49 years
      "FC50985003"
      "19600315"
      "20100620\n"  // 50 years
      "FC50985003"
      "        "
      "20100620\n"  // birth date not stated
      "FC50985003"
      "19000101"
      "20050101\n"  // 105 years
      "FC50985003"
      "20100101"
      "20000101\n";  // diagnosis before birth: not written
  ASSERT_TRUE(RunCheck(dir, records, DatesOnlyRow(-1)));
  EXPECT_EQ(
      "FC509850031950061520000510  49\n"
      "FC509850031960031520100620  50\n"
      "FC50985003        20100620 999\n"
      "FC509850031900010120050101 105\n",
      ReadFile(dir / "out.txt"));
}

TEST(TesmarRun, AgeColumnZeroAppendsNothingAndTestsNoAge) {
  TempDir dir;
  // A boy of 10 with a lung carcinoma: unlikely, but with the age column 0
  // the computed age is not used.
  const std::string records =
      "MC34181403"
      "20000101"
      "20100601\n";
  ASSERT_TRUE(RunCheck(dir, records, DatesOnlyRow(0)));
  EXPECT_EQ(records, ReadFile(dir / "out.txt"));
  EXPECT_FALSE(Exists(dir / "data.chk"));

  ASSERT_TRUE(RunCheck(dir, records, DatesOnlyRow(-1)));
  EXPECT_EQ(
      "MC3418140320000101"
      "20100601  10\n",
      ReadFile(dir / "out.txt"));
  EXPECT_EQ(std::string(kTitle) + (dir / "data.txt") +
                "\nThe following records should be checked\n\n"
                "MC341814032000010120100601 age/site/histology\n\n"
                "\n1 individual record(s), 1 warning(s)\n",
            ReadFile(dir / "data.chk"));
}

TEST(TesmarRun, RecordsReachTheOutputFileExactlyAsRead) {
  TempDir dir;
  // Blanks inside digit-tested fields (topography, age, dates), an 8-bit
  // byte and a NUL byte in the registration number: all clean.
  std::string record = std::string("\xE9\0xy", 4) + "F" + "C5 1" + "8000" + "3" + "2" + "7" +
                       " 50" + "1960 315" + "2010 620";
  ASSERT_EQ(35u, record.size());
  ASSERT_TRUE(RunCheck(dir, record + "\r\n" + record + "\n", GoldenRow(0)));
  EXPECT_EQ(record + "\n" + record + "\n", ReadFile(dir / "out.txt"));
  for (const char* name : {"data.err", "data.chk", "out.log"})
    EXPECT_FALSE(Exists(dir / name)) << name;
}

TEST(TesmarRun, RecordsInErrorAreReportedWhole) {
  TempDir dir;
  const std::string record = std::string("\0\xFFxx", 4) + "X" + "C509" + "8500" + "3" + "2" + "7" +
                             "050" + "19600315" + "20100620";
  ASSERT_TRUE(RunCheck(dir, record + "\n", GoldenRow(1)));
  EXPECT_EQ("", ReadFile(dir / "out.txt"));
  EXPECT_EQ(std::string(kTitle) + (dir / "data.txt") +
                "\nThe following records must be checked\n\n" + record + " sex code\n" +
                "\n1 individual record(s), 1 error(s)\n",
            ReadFile(dir / "data.err"));
}

TEST(TesmarRun, BlankCodesAfterValidRecordsAreErrors) {
  TempDir dir;
  // Without the C, so that prefix mode plays no part.
  const std::string valid =
      "0001F50.98500327050"
      "19600315"
      "20100620";
  const std::string blank =
      "0002F    8500327050"
      "19600315"
      "20100620";
  const std::string noMorphology =
      "0003F50.9    327050"
      "19600315"
      "20100620";
  ASSERT_EQ(35u, blank.size());
  ASSERT_TRUE(RunCheck(dir, valid + "\n" + blank + "\n" + noMorphology + "\n", GoldenRow(0)));
  EXPECT_EQ(valid + "\n", ReadFile(dir / "out.txt"));
  EXPECT_EQ(std::string(kTitle) + (dir / "data.txt") +
                "\nThe following records must be checked\n\n" + blank + ";ICDO-3 (T)\n" +
                noMorphology + ";ICDO-3 (M)\n\n2 individual record(s), 2 error(s)\n",
            ReadFile(dir / "data.err"));
}

TEST(TesmarRun, CleanRunKeepsOnlyTheOutputFile) {
  TempDir dir;
  const std::string records =
      "0001FC50985003270501960031520100620\n"
      "0002MC61981403270701935021020050111\n";
  ASSERT_TRUE(RunCheck(dir, records, GoldenRow(0)));
  EXPECT_EQ(records, ReadFile(dir / "out.txt"));
  for (const char* name : {"data.err", "data.chk", "out.log"})
    EXPECT_FALSE(Exists(dir / name)) << name;
}

TEST(TesmarRun, WarningsAloneKeepTheWarningFileAndTheLog) {
  TempDir dir;
  ASSERT_TRUE(RunCheck(dir, "0023FC50985003210501960031520100620\n", GoldenRow(0)));
  EXPECT_FALSE(Exists(dir / "data.err"));
  EXPECT_TRUE(Exists(dir / "data.chk"));
  EXPECT_EQ(std::string(kTitle) + "Input file: " + (dir / "data.txt") + "\nOutput file: " +
                (dir / "out.txt") + "\n\n1 records processed. Summary statistics:\n" +
                "\n\n1 warnings (1 individual records) recorded in " + (dir / "data.chk") +
                ":\n\n1 unlikely basis/histology combination\n",
            ReadFile(dir / "out.log"));
}

struct RefusedRow {
  const char* what;
  std::string row;
  std::string reason;
};

TEST(TesmarRun, RowsTheCheckCannotWorkWithAreRefusedAtStart) {
  const std::vector<RefusedRow> cases = {
      {"age-unknown code of four characters",
       "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 1 3 -1 -1 -1 -1 -1 -1 5 6 7 7 M F 10 0 0 9999\n",
       "the age-unknown code \"9999\" is longer than 3 characters"},
      {"incidence date index beyond the layouts of its width",
       "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 1 4 3 5 6 7 7 M F 10 0 0 999\n",
       "the incidence date format 3 has no layout of width 4"},
      {"birth date of a width no layout has",
       "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 1 1 0 -1 -1 -1 5 6 7 7 M F 10 0 0 999\n",
       "the birth date format 0 has no layout of width 1"},
      {"negative date format index",
       "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 1 8 -1 -1 -1 -1 5 6 7 7 M F 10 0 0 999\n",
       "the birth date format -1 has no layout of width 8"},
  };
  for (const RefusedRow& c : cases) {
    TempDir dir;
    std::string message;
    EXPECT_FALSE(RunCheck(dir, "0123456789\n", c.row, &message)) << c.what;
    EXPECT_EQ((dir / "parameter.dat") + ":\r\nparameter row: " + c.reason + ": program halted!",
              message)
        << c.what;
    for (const char* name : {"out.txt", "data.err", "data.chk", "out.log"})
      EXPECT_FALSE(Exists(dir / name)) << c.what << ": " << name;
  }
}

TEST(TesmarRun, ThreeCharacterAgeUnknownCodeAndAbsentDatesAreAccepted) {
  TempDir dir;
  ASSERT_TRUE(RunCheck(
      dir, "999\n12 \n",
      "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 1 3 -1 -1 7 -1 -1 9 5 6 7 7 M F 3 0 0 999\n"));
  EXPECT_EQ("999\n12 \n", ReadFile(dir / "out.txt"));
}

TEST(TesmarRun, EmptyAgeUnknownCodeMatchesNoAge) {
  // The row ends in a blank: the code is empty, and 999 is then an age.
  TempDir dir;
  ASSERT_TRUE(RunCheck(
      dir, "999\n 12\n",
      "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 1 3 -1 -1 -1 -1 -1 -1 5 6 7 7 M F 3 0 0 \n"));
  EXPECT_EQ(" 12\n", ReadFile(dir / "out.txt"));
  EXPECT_NE(std::string::npos, ReadFile(dir / "data.err").find("\n999;invalid age\n"));
}

}  // namespace
