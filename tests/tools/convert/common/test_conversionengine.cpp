// The conversion frame's engine for every program's descriptor: row checks,
// report names, headers, trailers, wrong-length records, removal rules and
// the progress estimate, through a record step that sorts records by their
// first character.
#include "tools/convert/common/conversionengine.h"

#include <gtest/gtest.h>

#include <iterator>

#include "tests/tools/convert/common/conversionrun.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

// 'E': an error; 'W': converted and to be reviewed; 'M': converted, warning
// counted without a warning line; anything else: converted.
class SortingStep : public ConversionRecordStep {
 public:
  void ConvertRecord(std::string_view record, const ConversionRow&,
                     ConversionReports& reports) override {
    std::string line(record);
    switch (record[0]) {
      case 'E':
        reports.WriteError(line + " (?)");
        return;
      case 'W':
        reports.WriteOutput(line + " C509");
        reports.WriteWarning(line + " C509");
        return;
      case 'M':
        reports.WriteOutput(line + "#C509");
        reports.CountWarning();
        return;
    }
    reports.WriteOutput(line + " C509");
  }
};

// Records of 6 characters: sex at 1, site at 2-5 ("C509"), morphology 6-9 is
// beyond the record, so rows name only what the records hold.
ConversionRow Row(int recordLength) {
  ConversionRow row = CodeRow(2, 4, false);
  row.recordLength = recordLength;
  return row;
}

const std::string kTitleDate = " - Monday 07 December 2026-23:05\n";

// What each program's reports say: its title, the classification its error
// file names, and whether it writes a warning file.
struct ProgramReports {
  const char* name;
  const char* title;
  const char* target;
  bool warningFile;
};

const ProgramReports kProgramReports[] = {
    {"Alquen", "ICD-9 to ICD-O-2", "ICD-O-2", true},
    {"Bernit", "ICD-9+ICD-O-1(M) to ICD-O-2", "ICD-O-2", true},
    {"Caslov", "ICD-10 to ICD-O-2", "ICD-O-2", false},
    {"Dorwim", "ICD-10+ICD-O-2(M) to ICD-O-2", "ICD-O-2", false},
    {"Elbrac", "ICD-O-1 to ICD-O-2", "ICD-O-2", true},
    {"Fenzel", "ICD-O-1 (Field Trial Edition, 1988) to ICD-O-2", "ICD-O-2", true},
    {"Gorvat", "ICD-O-2 to ICD-O-3", "ICD-O-3", true},
    {"Jantrik", "ICD-O-3 to ICD-10", "ICD-10", true},
};

TEST(ConversionEngine, ReportsOfEveryProgram) {
  ASSERT_EQ(kConversionProgramCount, static_cast<int>(std::size(kProgramReports)));
  for (const ProgramReports& expected : kProgramReports) {
    SCOPED_TRACE(expected.name);
    const ConversionProgram* found = FindConversionProgram(expected.name);
    ASSERT_NE(nullptr, found);
    const ConversionProgram& program = *found;
    const bool warningFile = expected.warningFile;
    ConversionRun run;
    SortingStep step;
    ConversionEngine engine(program, step);
    // A program without a warning file marks its reviewed records instead.
    const std::string reviewed = warningFile ? "W1C5098140 3" : "M1C5098140 3";
    const std::string records = "x1C5098140 3\nE1C5098140 3\n" + reviewed + "\nshort\n";
    ASSERT_TRUE(run.Run(engine, records, Row(12))) << engine.message();
    EXPECT_EQ(4, engine.records());
    EXPECT_EQ(2, engine.errors());
    EXPECT_EQ(1, engine.warnings());
    EXPECT_EQ("x1C5098140 3 C509\n" + reviewed + (warningFile ? " C509\n" : "#C509\n"),
              ReadFile(run.output));

    const std::string title = expected.title + kTitleDate;
    EXPECT_EQ(title + run.input + "\nThe following records cannot be converted to " +
                  expected.target + "\n\nE1C5098140 3 (?)\nshort *\n\n2 record(s)\n",
              ReadFile(run.Report(std::string(".e") + program.name)));
    if (warningFile) {
      EXPECT_EQ(title + run.input +
                    "\nThe following records should be checked\n\nW1C5098140 3 C509\n\n1 "
                    "record(s)\n",
                ReadFile(run.Report(std::string(".w") + program.name)));
    } else {
      EXPECT_FALSE(Exists(run.Report(std::string(".w") + program.name)));
    }
  }
}

TEST(ConversionEngine, EmptyReportsGoAfterAFinishedRun) {
  for (const ConversionProgram& program : ConversionPrograms) {
    SCOPED_TRACE(program.name);
    ConversionRun run;
    SortingStep step;
    ConversionEngine engine(program, step);
    ASSERT_TRUE(run.Run(engine, "x1C5098140 3\n", Row(12)));
    EXPECT_EQ("x1C5098140 3 C509\n", ReadFile(run.output));
    EXPECT_FALSE(Exists(run.Report(std::string(".e") + program.name)));
    EXPECT_FALSE(Exists(run.Report(std::string(".w") + program.name)));
  }
}

TEST(ConversionEngine, StopRemovesOutputAndReportsEvenWithErrors) {
  ConversionRun run;
  SortingStep step;
  ConversionEngine engine(*FindConversionProgram("Gorvat"), step);
  std::string records;
  for (int i = 0; i < 20; ++i) records += i % 2 ? "E1C5098140 3\n" : "W1C5098140 3\n";
  run.Prepare(records, FormatRow(Row(12)));
  ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime()));
  EXPECT_EQ(StepStatus::kRunning, engine.Step(7));
  engine.Stop();
  EXPECT_FALSE(engine.Finish());
  EXPECT_EQ(4, engine.warnings());
  for (const std::string& path : {run.output, run.Report(".eGorvat"), run.Report(".wGorvat")})
    EXPECT_FALSE(Exists(path)) << path;
  EXPECT_EQ(records, ReadFile(run.input));
}

TEST(ConversionEngine, MarkedRecordsCountAsWarningsWithoutAWarningFile) {
  ConversionRun run;
  SortingStep step;
  ConversionEngine engine(*FindConversionProgram("Caslov"), step);
  // A file of that name that the run did not write is left alone.
  WriteFile(run.Report(".wCaslov"), "not the run's\n");
  ASSERT_TRUE(run.Run(engine, "M1C5098140 3\n", Row(12)));
  EXPECT_EQ(1, engine.warnings());
  EXPECT_EQ(0, engine.errors());
  EXPECT_EQ("M1C5098140 3#C509\n", ReadFile(run.output));
  EXPECT_EQ("not the run's\n", ReadFile(run.Report(".wCaslov")));
  // The name is derived and shown all the same.
  EXPECT_EQ(run.Report(".wCaslov"), engine.FilePath(ConversionEngine::kWarningSlot));
}

TEST(ConversionEngine, RecordsKeepEveryByte) {
  ConversionRun run;
  SortingStep step;
  ConversionEngine engine(*FindConversionProgram("Gorvat"), step);
  const std::string record("x1C509\xff\x00\x01\x7f 3", 12);
  ASSERT_TRUE(run.Run(engine, record + "\n" + "E" + record.substr(1) + "\r\n", Row(12)));
  EXPECT_EQ(record + " C509\n", ReadFile(run.output));
  EXPECT_NE(std::string::npos,
            ReadFile(run.Report(".eGorvat")).find("E" + record.substr(1) + " (?)\n"));
}

TEST(ConversionEngine, ProgressEstimateByProgram) {
  // Ten records of 12 characters and a file size of 130: the older programs
  // expect 130 / 12 = 10 records, the newer ones 130 / 14 = 9.
  struct Case {
    const char* program;
    unsigned long long fileSize;
    int afterFour;
  };
  const Case cases[] = {{"Alquen", 130, 40}, {"Bernit", 130, 40},  {"Caslov", 130, 40},
                        {"Dorwim", 130, 40}, {"Elbrac", 130, 40},  {"Fenzel", 130, 40},
                        {"Gorvat", 130, 44}, {"Jantrik", 130, 44}, {"Gorvat", 0, 0},
                        {"Alquen", 11, 0}};
  for (const Case& c : cases) {
    ConversionRun run;
    SortingStep step;
    ConversionEngine engine(*FindConversionProgram(c.program), step);
    ConversionRow row = Row(12);
    row.fileSize = c.fileSize;
    std::string records;
    for (int i = 0; i < 10; ++i) records += "x1C5098140 3\n";
    run.Prepare(records, FormatRow(row));
    ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime()));
    engine.Step(4);
    EXPECT_EQ(c.afterFour, engine.Progress()) << c.program << " " << c.fileSize;
    RunToEnd(engine);
    EXPECT_EQ(100, engine.Progress());
    engine.Finish();
  }
}

std::string RowWith(ConversionRow row, int fields) {
  std::string text = FormatRow(row);
  size_t cut = 0;
  for (int i = 0; i < fields; ++i) cut = text.find(' ', cut) + 1;
  return text.substr(0, cut - 1) + "\n";
}

TEST(ConversionEngine, RowChecks) {
  struct Case {
    const char* program;
    std::string rowText;
    const char* messagePart;  // nullptr: the run starts
  };
  ConversionRow noSex = Row(12);
  noSex.sexStart = -1;
  ConversionRow noTopography = Row(12);
  noTopography.topographyStart = noTopography.topographyEnd = -1;
  ConversionRow noMorphology = Row(12);
  noMorphology.histologyStart = noMorphology.histologyEnd = -1;
  ConversionRow noBehaviour = Row(12);
  noBehaviour.behaviourStart = noBehaviour.behaviourEnd = 0;
  ConversionRow shortSite = Row(12);
  shortSite.topographyStart = 11;
  shortSite.topographyEnd = 12;
  ConversionRow gradeOutside = Row(12);
  gradeOutside.gradeStart = gradeOutside.gradeEnd = 13;
  ConversionRow narrowReplace = Row(12);
  narrowReplace.optionA = 1;
  narrowReplace.histologyEnd = 9;
  ConversionRow narrowSite = Row(12);
  narrowSite.optionA = 1;
  narrowSite.topographyEnd = 5;
  ConversionRow sharedColumns = Row(12);
  sharedColumns.optionA = 1;
  sharedColumns.behaviourStart = sharedColumns.behaviourEnd = 10;
  ConversionRow goodReplace = Row(12);
  goodReplace.optionA = 1;

  const Case cases[] = {
      {"Gorvat", FormatRow(Row(12)), nullptr},
      {"Jantrik", RowWith(Row(12), 16), nullptr},  // Jantrik reads 16 fields
      {"Gorvat", RowWith(Row(12), 16), "field 17 (optionA) is missing"},
      {"Gorvat", FormatRow(noSex), "the sex field is not in the records"},
      {"Alquen", FormatRow(noTopography), "the topography field is not in the records"},
      {"Gorvat", FormatRow(noMorphology), "the morphology field is not in the records"},
      {"Jantrik", FormatRow(noBehaviour), "the behaviour field is not in the records"},
      {"Alquen", FormatRow(noMorphology), nullptr},  // reads no morphology
      {"Caslov", FormatRow(noMorphology), nullptr},
      {"Caslov", FormatRow(noBehaviour), nullptr},
      {"Bernit", FormatRow(noMorphology), "the morphology field is not in the records"},
      {"Dorwim", FormatRow(noBehaviour), "the behaviour field is not in the records"},
      {"Fenzel", FormatRow(noMorphology), "the morphology field is not in the records"},
      {"Gorvat", FormatRow(shortSite), "topography at columns 11 to 13 does not fit"},
      {"Elbrac", FormatRow(gradeOutside), "grade at columns 13 to 13 does not fit"},
      {"Bernit", FormatRow(gradeOutside), "grade at columns 13 to 13 does not fit"},
      {"Dorwim", FormatRow(gradeOutside), "grade at columns 13 to 13 does not fit"},
      {"Fenzel", FormatRow(gradeOutside), "grade at columns 13 to 13 does not fit"},
      {"Gorvat", FormatRow(gradeOutside), "grade at columns 13 to 13 does not fit"},
      {"Jantrik", FormatRow(gradeOutside), nullptr},  // has no grade
      {"Alquen", FormatRow(gradeOutside), nullptr},
      {"Caslov", FormatRow(gradeOutside), nullptr},
      {"Gorvat", FormatRow(narrowReplace),
       "the morphology field at columns 7 to 9 is narrower than the 4 characters"},
      {"Elbrac", FormatRow(narrowSite),
       "the topography field at columns 3 to 5 is narrower than the 4 characters"},
      {"Gorvat", FormatRow(narrowSite), nullptr},  // Gorvat leaves the topography alone
      {"Dorwim", FormatRow(sharedColumns),
       "the converted morphology code at columns 7 to 10 and the behaviour code at columns 10 to "
       "10 would share columns"},
      {"Alquen", FormatRow(narrowReplace), nullptr},  // always appends
      {"Caslov", FormatRow(narrowSite), nullptr},
      {"Jantrik", FormatRow(narrowReplace), nullptr},
      {"Bernit", FormatRow(narrowSite),
       "the topography field at columns 3 to 5 is narrower than the 4 characters"},
      {"Dorwim", FormatRow(narrowSite),
       "the topography field at columns 3 to 5 is narrower than the 4 characters"},
      {"Fenzel", FormatRow(narrowSite),
       "the topography field at columns 3 to 5 is narrower than the 4 characters"},
      {"Bernit", FormatRow(goodReplace), nullptr},
  };
  for (const Case& c : cases) {
    ConversionRun run;
    SortingStep step;
    ConversionEngine engine(*FindConversionProgram(c.program), step);
    run.Prepare("x1C5098140 3\n", c.rowText);
    const bool started = engine.Start(run.parameter, FixedStartTime());
    if (c.messagePart == nullptr) {
      EXPECT_TRUE(started) << c.program << " " << c.rowText << engine.message();
    } else {
      EXPECT_FALSE(started) << c.program << " " << c.rowText;
      EXPECT_NE(std::string::npos, engine.message().find(c.messagePart))
          << c.program << ": " << engine.message();
      EXPECT_FALSE(Exists(run.output));
    }
    engine.Finish();
  }
}

}  // namespace
