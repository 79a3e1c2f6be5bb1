// Whole Jantrik runs through its engine, every file compared byte for byte
// with the expected files in data/. Jantrik always appends: a row that asks
// for the codes in place gives the same files.
#include "tools/convert/jantrik/jantrikengine.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tools/convert/common/conversionrun.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

// Records of 24 characters: registration 1-6, sex 7, topography 8-12
// ("C50.9"), morphology 13-16, behaviour 17.
ConversionRow Row(size_t fileSize, int optionA) {
  ConversionRow row = CodeRow(7, 5, false);
  row.regNoStart = 1;
  row.regNoEnd = 6;
  row.recordLength = 24;
  row.fileSize = fileSize;
  row.optionA = optionA;
  return row;
}

// The row as the front-end writes it for Jantrik: the first 16 fields.
std::string SixteenFields(const ConversionRow& row) {
  std::string text = FormatRow(row);
  for (int i = 0; i < 2; ++i) text.erase(text.find_last_of(' '));
  return text + "\n";
}

void RunAndCompare(const std::string& rowText) {
  ConversionRun run;
  JantrikEngine engine;
  const std::string input = ExpectedFile("jantrik-input.txt", "");
  run.Prepare(input, rowText);
  ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime())) << engine.message();
  RunToEnd(engine, 7);
  ASSERT_TRUE(engine.Finish()) << engine.message();
  EXPECT_EQ(21, engine.records());
  EXPECT_EQ(8, engine.errors());
  EXPECT_EQ(4, engine.warnings());
  EXPECT_EQ(ExpectedFile("jantrik.out", run.input), ReadFile(run.output));
  EXPECT_EQ(ExpectedFile("jantrik.eJantrik", run.input), ReadFile(run.Report(".eJantrik")));
  EXPECT_EQ(ExpectedFile("jantrik.wJantrik", run.input), ReadFile(run.Report(".wJantrik")));
  EXPECT_EQ(input, ReadFile(run.input));
}

TEST(JantrikRun, SixteenFieldRow) {
  const size_t size = ExpectedFile("jantrik-input.txt", "").size();
  const std::string row = SixteenFields(Row(size, 0));
  ASSERT_EQ(16, std::count(row.begin(), row.end(), ' ') + 1) << row;
  RunAndCompare(row);
}

TEST(JantrikRun, AnOptionToReplaceIsNotRead) {
  const size_t size = ExpectedFile("jantrik-input.txt", "").size();
  RunAndCompare(FormatRow(Row(size, 1)));
}

}  // namespace
