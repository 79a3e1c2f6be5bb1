// The skeleton's start-up, record loop and end of run, through a small
// engine that copies records to its output and reports wrong lengths.
#include "tools/skeleton/toolengine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/parameterfile.h"
#include "common/reportname.h"
#include "tests/support/enginerun.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

class CopyEngine : public ToolEngine {
 public:
  CopyEngine() : ToolEngine("Copy program") {}
  enum { kOut = 1, kReport = 2 };

 protected:
  bool ReadRow(const std::string& line, std::string* error) override {
    ConversionRow row;
    if (!ParseRow(line, &row, error, 16) || !CheckRecordLength(row.recordLength, error) ||
        !CheckField("sex", row.sexStart, 1, row.recordLength, error) ||
        !CheckSpan("site", row.topographyStart, row.topographyEnd, row.recordLength, error))
      return false;
    SetRecordLength(row.recordLength);
    SetProgressBase(row.fileSize, static_cast<uint64_t>(row.recordLength) + 2);
    return true;
  }
  void DeclareFiles() override {
    DeclareFile(outputPath(), "output file");
    DeclareFile(DeriveReportName(inputPath(), ".rep"), "error file");
  }
  void WriteHeaders() override { File(kReport).Write(ReportTitle()); }
  void ProcessRecord(std::string_view record) override {
    File(kOut).Write(record);
    File(kOut).Put('\n');
  }
  void ProcessWrongLength(std::string_view record) override {
    File(kReport).Write(record);
    File(kReport).Write(" *\n");
    ++m_errors;
  }
  void WriteSummaries() override { File(kReport).Printf("\n%lld record(s)\n", m_errors); }
  bool KeepFile(int slot, bool completed) const override {
    return completed && (slot != kReport || m_errors > 0);
  }
};

std::string Row(int recordLength, unsigned long long fileSize = 0, int sexStart = -1) {
  return "-1 -1 " + std::to_string(sexStart) + " -1 -1 -1 -1 -1 -1 -1 -1 -1 1 2 " +
         std::to_string(recordLength) + " " + std::to_string(fileSize) + "\n";
}

}  // namespace

TEST(ToolEngine, FinishedRunKeepsOutputAndNonEmptyReports) {
  RunFolder run;
  run.Prepare("abcd\nab\nabcd\r\nabcdef\nabcd", Row(4));  // last line without line end
  CopyEngine engine;
  ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime())) << engine.message();
  EXPECT_EQ(StepStatus::kFinished, RunToEnd(engine, 2));
  EXPECT_TRUE(engine.Finish());
  EXPECT_EQ(5, engine.records());
  EXPECT_EQ("abcd\nabcd\nabcd\n", ReadFile(run.output));
  EXPECT_EQ("Copy program - Monday 07 December 2026-23:05\nab *\nabcdef *\n\n2 record(s)\n",
            ReadFile(run.Report(".rep")));
  EXPECT_EQ(100, engine.Progress());
}

TEST(ToolEngine, EmptyReportIsRemovedAfterAFinishedRun) {
  RunFolder run;
  run.Prepare("abcd\n", Row(4));
  CopyEngine engine;
  ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime()));
  RunToEnd(engine);
  EXPECT_TRUE(engine.Finish());
  EXPECT_EQ("abcd\n", ReadFile(run.output));
  EXPECT_FALSE(Exists(run.Report(".rep")));
}

TEST(ToolEngine, StopRemovesEverythingTheRunWroteAndFails) {
  RunFolder run;
  std::string data;
  for (int i = 0; i < 100; ++i) data += (i % 10 ? "abcd\n" : "x\n");
  run.Prepare(data, Row(4));
  CopyEngine engine;
  ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime()));
  EXPECT_EQ(StepStatus::kRunning, engine.Step(30));
  engine.Stop();
  EXPECT_FALSE(engine.running());
  EXPECT_EQ(30, engine.records());
  EXPECT_FALSE(engine.Finish());
  EXPECT_FALSE(Exists(run.output));
  EXPECT_FALSE(Exists(run.Report(".rep")));
  EXPECT_EQ(data, ReadFile(run.input));
  EXPECT_EQ(ReadFile(run.parameter).substr(0, 3), run.input.substr(0, 3));
}

TEST(ToolEngine, LongLineIsOneWrongLengthRecordWrittenWhole) {
  RunFolder run;
  const std::string longLine(3000, 'L');
  run.Prepare("abcd\n" + longLine + "\nabcd\n", Row(4));
  CopyEngine engine;
  ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime()));
  RunToEnd(engine);
  ASSERT_TRUE(engine.Finish());
  EXPECT_EQ(3, engine.records());
  EXPECT_EQ(1, engine.errors());
  EXPECT_NE(std::string::npos, ReadFile(run.Report(".rep")).find("\n" + longLine + " *\n"));
}

TEST(ToolEngine, FailedStartsCreateEmptyAndRemoveNothing) {
  struct Case {
    const char* name;
    std::string parameterText;  // empty: no parameter file at all
    const char* messagePart;
  };
  RunFolder run;
  WriteFile(run.input, "abcd\n");
  const std::string in = run.input;
  const std::string out = run.output;
  // Earlier results that a failed start must leave alone.
  WriteFile(out, "earlier output\n");
  WriteFile(run.Report(".rep"), "earlier report\n");
  ASSERT_EQ(0, ::symlink(in.c_str(), (run.dir / "alias.txt").c_str()));
  ::mkdir((run.dir / "folder").c_str(), 0700);
  ASSERT_EQ(0, ::mkfifo((run.dir / "fifo").c_str(), 0600));

  const Case cases[] = {
      {"no parameter file", "", "cannot open parameter file: program halted!"},
      {"two lines only", in + "\n" + out + "\n", "fewer than three lines"},
      {"short row", in + "\n" + out + "\n1 2 3\n", "field 4 (sexEnd) is missing"},
      {"record length 0", in + "\n" + out + "\n" + Row(0),
       "record length 0 is not between 1 and 1024"},
      {"record length 1025", in + "\n" + out + "\n" + Row(1025), "is not between 1 and 1024"},
      {"field outside the record", in + "\n" + out + "\n" + Row(4, 0, 5),
       "sex at columns 5 to 5 does not fit in records of 4 characters"},
      {"output is the input", in + "\n" + in + "\n" + Row(4),
       "the output file and the input file are the same file"},
      {"output is the input through a link", in + "\n" + (run.dir / "alias.txt") + "\n" + Row(4),
       "the output file and the input file are the same file"},
      {"output is the parameter file", in + "\n" + run.parameter + "\n" + Row(4),
       "the output file and the parameter file are the same file"},
      {"output is the report", in + "\n" + run.Report(".rep") + "\n" + Row(4),
       "the error file and the output file are the same file"},
      {"NUL in the output path", in + "\n" + (run.dir / "o") + std::string("\0.txt\n", 6) + Row(4),
       "a path in the parameter file holds a NUL character"},
      {"input missing", (run.dir / "none.txt") + "\n" + out + "\n" + Row(4),
       "Cannot open file(s). Program halted\n"},
      {"output folder missing", in + "\n" + (run.dir / "no/out.txt") + "\n" + Row(4),
       "Cannot open file(s). Program halted\n"},
      {"output is a folder", in + "\n" + (run.dir / "folder") + "\n" + Row(4),
       "Cannot open file(s). Program halted\n"},
      {"output is a device", in + "\n/dev/null\n" + Row(4),
       "/dev/null:\r\nthe output file is not a regular file: program halted!"},
      {"output is a pipe", in + "\n" + (run.dir / "fifo") + "\n" + Row(4),
       "the output file is not a regular file: program halted!"},
  };
  for (const auto& c : cases) {
    ::unlink(run.parameter.c_str());
    if (!c.parameterText.empty()) WriteFile(run.parameter, c.parameterText);
    CopyEngine engine;
    EXPECT_FALSE(engine.Start(run.parameter, FixedStartTime())) << c.name;
    EXPECT_NE(std::string::npos, engine.message().find(c.messagePart))
        << c.name << ": " << engine.message();
    EXPECT_EQ(StepStatus::kHalted, engine.Step(10)) << c.name;
    EXPECT_FALSE(engine.Finish()) << c.name;
    EXPECT_EQ("abcd\n", ReadFile(in)) << c.name;
    EXPECT_EQ("earlier output\n", ReadFile(out)) << c.name;
    EXPECT_EQ("earlier report\n", ReadFile(run.Report(".rep"))) << c.name;
    EXPECT_FALSE(Exists(run.dir / "none.rep")) << c.name;
    EXPECT_FALSE(Exists(run.dir / "o")) << c.name;
  }
}

TEST(ToolEngine, WriteErrorIsAFailureNotASuccess) {
  RunFolder run;
  std::string data;
  for (int i = 0; i < 2000; ++i) data += "abcdefghij\n";
  run.Prepare(data, Row(10));
  for (int records : {200, 2000}) {  // fails at closing, and while running
    WriteFile(run.input, data.substr(0, 11 * records));
    CopyEngine engine;
    ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime())) << engine.message();
    FileSizeLimit limit(1000);
    const StepStatus status = RunToEnd(engine, records == 200 ? 5000 : 10);
    const bool finished = engine.Finish();
    EXPECT_FALSE(finished);
    EXPECT_TRUE(status == StepStatus::kFailed || engine.closeFailed());
    EXPECT_NE(std::string::npos, engine.message().find(run.output + ":\r\ncannot write"))
        << engine.message();
    EXPECT_FALSE(Exists(run.output));
  }
}

TEST(ToolEngine, ProgressNeverDividesByZeroNorPassesAHundred) {
  struct Case {
    unsigned long long fileSize;
    int recordLength;
    int afterOneRecord;
  };
  const Case cases[] = {{0, 4, 0}, {3, 4, 0}, {6, 4, 100}, {60, 4, 10}};
  for (const auto& c : cases) {
    RunFolder run;
    run.Prepare("abcd\nabcd\nabcd\n", Row(c.recordLength, c.fileSize));
    CopyEngine engine;
    ASSERT_TRUE(engine.Start(run.parameter, FixedStartTime()));
    EXPECT_EQ(0, engine.Progress());
    engine.Step(1);
    EXPECT_EQ(c.afterOneRecord, engine.Progress()) << c.fileSize;
    engine.Step(1);
    EXPECT_LE(engine.Progress(), 100);
    RunToEnd(engine);
    EXPECT_EQ(100, engine.Progress());
    engine.Finish();
  }
}

TEST(ToolEngine, FailedStartAfterSomeFilesOpenedLeavesEarlierFilesAlone) {
  RunFolder run;
  run.Prepare("abcd\n", Row(4));
  WriteFile(run.output, "earlier output\n");
  ::mkdir(run.Report(".rep").c_str(), 0700);  // the report cannot open: it is a folder
  CopyEngine engine;
  EXPECT_FALSE(engine.Start(run.parameter, FixedStartTime()));
  EXPECT_EQ("Cannot open file(s). Program halted\n", engine.message());
  EXPECT_FALSE(engine.Finish());
  EXPECT_EQ("earlier output\n", ReadFile(run.output));

  ::rmdir(run.Report(".rep").c_str());
  ::unlink(run.output.c_str());
  ::mkdir(run.Report(".rep").c_str(), 0700);
  CopyEngine fresh;
  EXPECT_FALSE(fresh.Start(run.parameter, FixedStartTime()));
  fresh.Finish();
  EXPECT_FALSE(Exists(run.output));  // created by the failed start, taken back
}
