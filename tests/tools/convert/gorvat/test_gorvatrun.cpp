// Whole Gorvat runs through its engine, in append and in replace mode, with
// every file compared byte for byte with the expected files in data/.
#include "tools/convert/gorvat/gorvatengine.h"

#include <gtest/gtest.h>

#include "tests/tools/convert/common/conversionrun.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

// Records of 30 characters: registration 1-6, sex 7, topography 8-12
// ("C50.9"), morphology 13-16, behaviour 17, grade 18.
ConversionRow Row(int optionA, size_t fileSize) {
  ConversionRow row = CodeRow(7, 5, true);
  row.regNoStart = 1;
  row.regNoEnd = 6;
  row.recordLength = 30;
  row.fileSize = fileSize;
  row.optionA = optionA;
  return row;
}

void RunAndCompare(int optionA, const char* mode) {
  ConversionRun run;
  GorvatEngine engine;
  const std::string input = ExpectedFile("gorvat-input.txt", "");
  ASSERT_TRUE(run.Run(engine, input, Row(optionA, input.size()))) << engine.message();
  EXPECT_EQ(27, engine.records());
  EXPECT_EQ(10, engine.errors());
  EXPECT_EQ(4, engine.warnings());
  EXPECT_EQ(ExpectedFile(std::string("gorvat-") + mode + ".out", run.input), ReadFile(run.output));
  EXPECT_EQ(ExpectedFile("gorvat.eGorvat", run.input), ReadFile(run.Report(".eGorvat")));
  EXPECT_EQ(ExpectedFile(std::string("gorvat-") + mode + ".wGorvat", run.input),
            ReadFile(run.Report(".wGorvat")));
  EXPECT_EQ(input, ReadFile(run.input)) << "the input is never changed";
}

TEST(GorvatRun, AppendMode) { RunAndCompare(0, "append"); }

TEST(GorvatRun, ReplaceMode) { RunAndCompare(1, "replace"); }

TEST(GorvatRun, SmallBatchesGiveTheSameFiles) {
  ConversionRun run;
  GorvatEngine engine;
  const std::string input = ExpectedFile("gorvat-input.txt", "");
  ASSERT_TRUE(run.Run(engine, input, Row(0, input.size()), 4));
  EXPECT_EQ(ExpectedFile("gorvat-append.out", run.input), ReadFile(run.output));
  EXPECT_EQ(ExpectedFile("gorvat.eGorvat", run.input), ReadFile(run.Report(".eGorvat")));
}

TEST(GorvatRun, ReplaceModeRefusesANarrowMorphologyField) {
  ConversionRun run;
  GorvatEngine engine;
  ConversionRow row = Row(1, 0);
  row.histologyEnd = 15;
  run.Prepare(ExpectedFile("gorvat-input.txt", ""), FormatRow(row));
  EXPECT_FALSE(engine.Start(run.parameter, FixedStartTime()));
  EXPECT_EQ(run.parameter +
                ":\r\nparameter row: the morphology field at columns 13 to 15 is narrower than "
                "the 4 characters of the converted code that replaces it: program halted!",
            engine.message());
  EXPECT_FALSE(engine.Finish());
  EXPECT_FALSE(Exists(run.output));
  EXPECT_FALSE(Exists(run.Report(".eGorvat")));
}

}  // namespace
