// Golden runs of the older conversion programs: a whole run of a program's
// engine over an input file of the test's data folder, started at the fixed
// test time, with the output file and the reports compared byte for byte
// with expected files beside it. In the expected reports "@INPUT@" stands
// for the path of the input file, which lives in a fresh folder per run.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/parameterfile.h"
#include "tests/tools/convert/common/conversionrun.h"
#include "tools/convert/common/conversionrecordstep.h"
#include "tools/skeleton/toolengine.h"

namespace kelvarin::test {

// The layout of the golden input files, 20 characters a record: registration
// number 1-4, sex 5 ('1' male, '2' female), site or code 6-9 and, for the
// programs that read them, morphology 10-13, behaviour 14 and grade 15.
inline ConversionRow GoldenRow(bool withMorphology, int gradeStart, int optionA, int optionB) {
  ConversionRow row;
  row.regNoStart = 1;
  row.regNoEnd = 4;
  row.sexStart = row.sexEnd = 5;
  row.topographyStart = 6;
  row.topographyEnd = 9;
  if (withMorphology) {
    row.histologyStart = 10;
    row.histologyEnd = 13;
    row.behaviourStart = row.behaviourEnd = 14;
    row.gradeStart = row.gradeEnd = gradeStart;
  }
  row.maleCode = '1';
  row.femaleCode = '2';
  row.recordLength = 20;
  row.optionA = optionA;
  row.optionB = optionB;
  return row;
}

// The text a record step appended to the record in the error file (empty
// when the record converted).
inline std::string MessageFor(ConversionRecordStep& step, const std::string& record,
                              const ConversionRow& row) {
  CollectedLines lines;
  step.ConvertRecord(record, row, lines);
  if (lines.errors.empty()) return std::string();
  return lines.errors.back().substr(record.size());
}

// A record and the message the program appends to it in the error file
// ("" when the record converts).
struct MessageCase {
  const char* record;
  const char* message;
};

template <int N>
void ExpectMessages(ConversionRecordStep& step, const ConversionRow& row,
                    const MessageCase (&cases)[N]) {
  for (const MessageCase& c : cases)
    EXPECT_EQ(c.message, MessageFor(step, c.record, row)) << c.record;
}

// Runs engine over <input> with row (its fileSize set to the input's size)
// and compares the output file with <expected>.out, the error report with
// <expected>.e and the warning report with <expected>.w.
inline void ExpectGoldenRun(ToolEngine& engine, const std::string& program,
                            const std::string& input, ConversionRow row,
                            const std::string& expected) {
  ConversionRun run;
  const std::string records = ReadFile(TestDataPath(input));
  ASSERT_NE("<missing>", records) << input;
  row.fileSize = records.size();
  ASSERT_TRUE(run.Run(engine, records, row)) << engine.message();
  EXPECT_EQ(100, engine.Progress());
  EXPECT_EQ(ExpectedFile(expected + ".out", run.input), ReadFile(run.output)) << "output file";
  EXPECT_EQ(ExpectedFile(expected + ".e", run.input), ReadFile(run.Report(".e" + program)))
      << "error file";
  EXPECT_EQ(ExpectedFile(expected + ".w", run.input), ReadFile(run.Report(".w" + program)))
      << "warning file";
}

}  // namespace kelvarin::test
