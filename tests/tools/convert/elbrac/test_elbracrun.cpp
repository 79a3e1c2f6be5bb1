// Whole runs of Elbrac over a small ICD-O-1 file: codes appended with and
// without a grade column, and put in place with optionB, compared byte for
// byte with the expected files.
#include <gtest/gtest.h>

#include "tests/tools/convert/older/goldenrun.h"
#include "tools/convert/elbrac/elbracengine.h"
#include "tools/convert/older/icdo1codeconverter.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

TEST(ElbracRun, CodesAppended) {
  ElbracEngine engine;
  ExpectGoldenRun(engine, "Elbrac", "icdo1.dat", GoldenRow(true, 15, 0, 0), "appended");
}

TEST(ElbracRun, CodesAppendedWithoutGradeColumn) {
  ElbracEngine engine;
  ExpectGoldenRun(engine, "Elbrac", "icdo1.dat", GoldenRow(true, -1, 0, 0), "no-grade");
}

TEST(ElbracRun, CodesInPlaceWithOptionB) {
  ElbracEngine engine;
  ExpectGoldenRun(engine, "Elbrac", "icdo1.dat", GoldenRow(true, 15, 1, 1), "in-place");
}

// Without a file size (or one below a record) there is no estimate: the bar
// stays at 0 while records are read, then shows 100, and nothing divides by
// zero.
TEST(ElbracRun, ProgressWithoutEstimate) {
  for (unsigned long long fileSize : {0ull, 19ull}) {
    ElbracEngine engine;
    ConversionRun run;
    ConversionRow row = GoldenRow(true, 15, 0, 0);
    row.fileSize = fileSize;
    run.Prepare(ReadFile(TestDataPath("icdo1.dat")), FormatRow(row));
    ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime())) << engine.message();
    StepStatus status = StepStatus::kRunning;
    while ((status = engine.Step(1)) == StepStatus::kRunning) EXPECT_EQ(0, engine.Progress());
    EXPECT_EQ(StepStatus::kFinished, status);
    EXPECT_EQ(100, engine.Progress());
    EXPECT_TRUE(engine.Finish());
  }
}

// The program's message order: the first message that applies wins.
TEST(ElbracRun, MessageOrder) {
  const MessageCase cases[] = {
      {"000121409800039zzzzz", ""},                                   // converts
      {"000111830800039zzzzz", " (S) Invalid sex/site combination"},  // man with 183
      {"00011183080003Xzzzzz", " (S) Invalid sex/site combination"},  // sex/site before grade
      {"00013A4098O00xXzzzzz", " (S) Invalid sex code"},              // sex before everything else
      {"00011A4098O00xXzzzzz",
       " (B) Invalid behaviour code"},  // behaviour before grade, site, morphology
      {"00011A4098O003Xzzzzz", " (G) Invalid grade code"},       // grade before site and morphology
      {"00011A4098O0039zzzzz", " (T) Invalid ICDO-1 (T) code"},  // site before morphology
      {"0001114098O0039zzzzz", " (M) Invalid ICDO-1 (M) code"},  // morphology
      {"000111409800079zzzzz", " (B) Invalid behaviour code"},   // behaviour refused by the core
      {"000111409911139zzzzz", " (?)"},                          // no replacement
  };
  IcdO1VariantConverter<kElbracCore> converter;
  StandardRecordStep step(ElbracEngine::Program(), IcdO1StepRules, converter);
  ExpectMessages(step, GoldenRow(true, 15, 0, 0), cases);
}

}  // namespace
