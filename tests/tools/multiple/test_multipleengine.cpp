// Whole runs of the multiple primaries engine on small files: every file it
// writes compared byte for byte, and what it leaves after a stop, a halt or a
// failed start.
#include "tools/multiple/multipleengine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/support/enginerun.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

std::string Golden(const std::string& name) { return ReadFile(TestDataPath(name)); }

// Records of 40 characters: key 1-6, sequence 7-8, sex 9, topography 10-13,
// morphology 14-17, behaviour 18, incidence date 19-26 (YYYYMMDD).
std::string Row(int duplicatesToFile, unsigned long long fileSize, const char* person = "1 6") {
  char row[200];
  std::snprintf(row, sizeof row, "%s 7 8 9 9 10 13 14 17 18 18 19 26 0 1 2 1 1 %d 40 %llu\n",
                person, duplicatesToFile, fileSize);
  return row;
}

std::string Record(const char* key, const char* topography, const char* morphology, char behaviour,
                   const char* date, const char* note = "") {
  std::string r = std::string(key) + "011" + topography + morphology + behaviour + date + note;
  r.resize(40, ' ');
  return r;
}

struct MultipleRun : RunFolder {
  MultipleEngine engine;
  std::string excluded() const { return Report(".exl"); }
  std::string multiple() const { return Report(".mul"); }

  bool Start(const std::string& data, int duplicatesToFile, long long fileSize = -1) {
    const unsigned long long size =
        fileSize < 0 ? data.size() : static_cast<unsigned long long>(fileSize);
    Prepare(data, Row(duplicatesToFile, size));
    return engine.Start(parameter, FixedStartTime());
  }

  std::string Expected(const std::string& name) const {
    return ReplaceAll(ReplaceAll(Golden(name), "@INPUT@", input), "@OUTPUT@", output);
  }
};

std::string WithCrLf(const std::string& text) { return ReplaceAll(text, "\n", "\r\n"); }

}  // namespace

TEST(MultipleRun, GoldenRunWithTheListOfMultiples) {
  // Batches of every size give the same files; a wrong fileSize (too small,
  // none at all, far too large) and CR LF line ends too.
  const struct {
    int batch;
    long long fileSize;
    bool crlf;
  } cases[] = {{5000, -1, false}, {7, -1, false},   {1, 0, false},
               {13, 100, true},   {5000, -1, true}, {5000, 999999999999999999LL, false}};
  for (const auto& c : cases) {
    MultipleRun run;
    const std::string data = c.crlf ? WithCrLf(Golden("golden.dat")) : Golden("golden.dat");
    ASSERT_TRUE(run.Start(data, 1, c.fileSize)) << run.engine.message();
    const std::string keyFile = run.engine.keyFilePath();
    ASSERT_FALSE(keyFile.empty());
    EXPECT_EQ(StepStatus::kFinished, RunToEnd(run.engine, c.batch)) << run.engine.message();
    EXPECT_TRUE(run.engine.Finish());
    EXPECT_EQ(run.Expected("golden.out"), ReadFile(run.output)) << c.batch;
    EXPECT_EQ(run.Expected("golden.exl"), ReadFile(run.excluded())) << c.batch;
    EXPECT_EQ(run.Expected("golden.mul"), ReadFile(run.multiple())) << c.batch;
    EXPECT_EQ(90, run.engine.Counter(kRecordsCounter));
    EXPECT_EQ(4, run.engine.Counter(MultipleEngine::kExcludedCounter));
    EXPECT_EQ(83, run.engine.Counter(MultipleEngine::kMultiplesCounter));
    EXPECT_EQ(68, run.engine.Counter(MultipleEngine::kDuplicatesCounter));
    EXPECT_FALSE(Exists(keyFile));
    EXPECT_EQ("Completed!", run.engine.StatusText());
    EXPECT_FALSE(run.engine.ProgressVisible());
  }
}

TEST(MultipleRun, GoldenRunWithNumberedDuplicatesInTheOutput) {
  for (int batch : {5000, 3}) {
    MultipleRun run;
    ASSERT_TRUE(run.Start(Golden("golden.dat"), 0)) << run.engine.message();
    EXPECT_EQ(StepStatus::kFinished, RunToEnd(run.engine, batch));
    EXPECT_TRUE(run.engine.Finish());
    EXPECT_EQ(run.Expected("golden-numbered.out"), ReadFile(run.output));
    EXPECT_EQ(run.Expected("golden.exl"), ReadFile(run.excluded()));
    EXPECT_FALSE(Exists(run.multiple()));
    EXPECT_EQ(68, run.engine.duplicates());
  }
}

TEST(MultipleRun, PhasesAndStatusFollowTheRun) {
  MultipleRun run;
  std::string data;
  for (int i = 0; i < 30; ++i)
    data += Record(i % 2 ? "A00001" : "B00002", "C187", "8140", '3', "20010101") + "\n";
  ASSERT_TRUE(run.Start(data, 1));
  EXPECT_EQ("", run.engine.StatusText());
  EXPECT_EQ(0, run.engine.Progress());
  EXPECT_EQ(StepStatus::kRunning, run.engine.Step(10));
  EXPECT_EQ("Reading data file...", run.engine.StatusText());
  EXPECT_EQ(34, run.engine.Progress());  // 10 of an estimated 29 (1230 bytes / 42)
  EXPECT_EQ(MultipleEngine::Phase::kReading, run.engine.phase());
  EXPECT_EQ(StepStatus::kRunning, run.engine.Step(25));  // end of input: sort and search at once
  EXPECT_EQ(MultipleEngine::Phase::kWriting, run.engine.phase());
  EXPECT_EQ("Creating output file...", run.engine.StatusText());
  EXPECT_EQ(30, run.engine.multiples());
  EXPECT_EQ(28, run.engine.duplicates());
  EXPECT_EQ(0, run.engine.Progress());
  EXPECT_TRUE(run.engine.ProgressVisible());
  EXPECT_EQ(StepStatus::kRunning, run.engine.Step(15));
  EXPECT_EQ(50, run.engine.Progress());
  EXPECT_EQ(StepStatus::kFinished, run.engine.Step(15));
  EXPECT_EQ(MultipleEngine::Phase::kCompleted, run.engine.phase());
  EXPECT_EQ(100, run.engine.Progress());
  EXPECT_TRUE(run.engine.Finish());
  // B00002 sorts before A00001; each keeps its first record.
  EXPECT_EQ(data.substr(0, 41) + data.substr(41, 41), ReadFile(run.output));
}

TEST(MultipleRun, EveryRecordExcluded) {
  MultipleRun run;
  const std::string data = Record("A00001", "C187", "8140", '2', "20010101") + "\n" +
                           Record("A00001", "C509", "8500", '9', "20010101") + "\n";
  ASSERT_TRUE(run.Start(data, 1));
  EXPECT_EQ(StepStatus::kFinished, RunToEnd(run.engine));
  EXPECT_TRUE(run.engine.Finish());
  EXPECT_EQ("", ReadFile(run.output));
  EXPECT_EQ("Orvo/Semu multiple primaries program - Monday 07 December 2026-23:05\n" + run.input +
                "\n" + data + "\n2 record(s)\n",
            ReadFile(run.excluded()));
  EXPECT_EQ(0, run.engine.multiples());
  // The list keeps its header alone.
  EXPECT_EQ(run.Expected("golden.mul").substr(0, ReadFile(run.multiple()).size()),
            ReadFile(run.multiple()));
  EXPECT_EQ(std::string::npos, ReadFile(run.multiple()).find("record(s)"));
}

TEST(MultipleRun, NobodyWithTwoRecordsSkipsTheRules) {
  MultipleRun run;
  const std::string data = Record("A00001", "C187", "8140", '3', "20010101") + "\n" +
                           Record("B00001", "C187", "8140", '3', "20010101") + "\n";
  ASSERT_TRUE(run.Start(data, 0));
  EXPECT_EQ(StepStatus::kFinished, RunToEnd(run.engine));
  EXPECT_TRUE(run.engine.Finish());
  EXPECT_EQ(0, run.engine.multiples());
  EXPECT_EQ(0, run.engine.duplicates());
  EXPECT_EQ(data.substr(41, 40) + " 00\n" + data.substr(0, 40) + " 00\n", ReadFile(run.output));
  EXPECT_FALSE(Exists(run.excluded()));  // nothing excluded: removed
}

// Separate primaries only: the list keeps the person's lines but gets no count.
TEST(MultipleRun, ListWithoutDuplicatesHasNoTrailer) {
  MultipleRun run;
  const std::string colon = Record("A00001", "C187", "8140", '3', "20020101");
  const std::string lung = Record("A00001", "C341", "8140", '3', "20010101");
  ASSERT_TRUE(run.Start(colon + "\n" + lung + "\n", 1));
  EXPECT_EQ(StepStatus::kFinished, RunToEnd(run.engine));
  EXPECT_TRUE(run.engine.Finish());
  const std::string header =
      run.Expected("golden.mul").substr(0, run.Expected("golden.mul").find("P0000"));
  EXPECT_EQ(header + lung + "\n" + colon + "  \n\n", ReadFile(run.multiple()));
  EXPECT_EQ(colon + "\n" + lung + "\n", ReadFile(run.output));
}

TEST(MultipleRun, WrongLengthRecordHaltsTheRunAndKeepsOnlyTheList) {
  MultipleRun run;
  std::string data;
  for (int i = 0; i < 20; ++i)
    data += Record("A00001", "C187", "8140", i == 3 ? '2' : '3', "20010101") + "\n";
  data += "short record\n";
  data += Record("A00001", "C187", "8140", '3', "20010101") + "\n";
  ASSERT_TRUE(run.Start(data, 1));
  EXPECT_EQ(StepStatus::kRunning, run.engine.Step(10));
  EXPECT_EQ(StepStatus::kHalted, run.engine.Step(5000));
  EXPECT_EQ("Input file does NOT have a fixed length width: program halted.", run.engine.message());
  EXPECT_EQ(MessageIcon::kInformation, run.engine.messageIcon());
  EXPECT_FALSE(run.engine.running());
  EXPECT_EQ(20, run.engine.Counter(kRecordsCounter));
  EXPECT_EQ(StepStatus::kHalted, run.engine.Step(5000));  // nothing more happens
  const std::string keyFile = run.engine.keyFilePath();
  EXPECT_FALSE(run.engine.Finish());
  EXPECT_FALSE(Exists(run.output));
  EXPECT_FALSE(Exists(run.excluded()));
  EXPECT_TRUE(Exists(run.multiple()));
  EXPECT_FALSE(Exists(keyFile));
  EXPECT_EQ(data, ReadFile(run.input));
}

TEST(MultipleRun, StopWhileWritingKeepsTheFinishedList) {
  MultipleRun run;
  ASSERT_TRUE(run.Start(Golden("golden.dat"), 1));
  EXPECT_EQ(StepStatus::kRunning, run.engine.Step(5000));
  EXPECT_EQ(MultipleEngine::Phase::kWriting, run.engine.phase());
  EXPECT_EQ(StepStatus::kRunning, run.engine.Step(5));
  run.engine.Stop();
  EXPECT_FALSE(run.engine.Finish());
  EXPECT_FALSE(Exists(run.output));
  EXPECT_FALSE(Exists(run.excluded()));
  EXPECT_EQ(run.Expected("golden.mul"), ReadFile(run.multiple()));
}

TEST(MultipleRun, KeyFileIsUniqueAndNamelessInTheTemporaryFolder) {
  MultipleRun first, second;
  ASSERT_TRUE(first.Start(Golden("golden.dat"), 1));
  ASSERT_TRUE(second.Start(Golden("golden.dat"), 1));
  const std::string one = first.engine.keyFilePath(), two = second.engine.keyFilePath();
  EXPECT_NE(one, two);
  EXPECT_EQ(std::filesystem::temp_directory_path(), std::filesystem::path(one).parent_path());
  // Open from the start and written by the search, but never under its name:
  // nothing is left of it whatever ends the program.
  EXPECT_FALSE(Exists(one));
  EXPECT_EQ(StepStatus::kRunning, first.engine.Step(5000));
  EXPECT_FALSE(Exists(one));
}

TEST(MultipleRun, FailedStartLeavesEarlierFilesAlone) {
  MultipleRun run;
  WriteFile(run.output, "earlier output\n");
  WriteFile(run.multiple(), "earlier list\n");
  ::mkdir(run.excluded().c_str(), 0700);  // the excluded file cannot be opened
  EXPECT_FALSE(run.Start(Golden("golden.dat"), 1));
  EXPECT_EQ("Cannot open file(s). Program halted\n", run.engine.message());
  const std::string keyFile = run.engine.keyFilePath();
  EXPECT_FALSE(run.engine.Finish());
  EXPECT_EQ("earlier output\n", ReadFile(run.output));
  EXPECT_EQ("earlier list\n", ReadFile(run.multiple()));
  EXPECT_TRUE(std::filesystem::is_directory(run.excluded()));
}

TEST(MultipleRun, RowTheRunCannotWorkWithFails) {
  // The date at columns 19-26 holds eight characters: format 0 is YYYYMMDD,
  // and there are five layouts of that width; a one-column date has none.
  auto withDate = [](const char* date) { return ReplaceAll(Row(1, 3690), "19 26 0", date); };
  const struct {
    std::string row;
    const char* message;
  } cases[] = {
      {Row(1, 3690, "-1 -1"), "the registration number is not in the records"},
      {Row(1, 3690, "0 6"), "the registration number is not in the records"},
      {Row(1, 3690, "35 41"),
       "registration number at columns 35 to 41 does not fit in records of 40 characters"},
      {Row(1, 3690, "6 1"), "registration number ends at column 1, before its first column 6"},
      {withDate("19 26 99"), "the incidence date format 99 has no layout of width 8"},
      {withDate("19 26 -5"), "the incidence date format -5 has no layout of width 8"},
      {withDate("19 19 0"), "the incidence date format 0 has no layout of width 1"},
  };
  for (const auto& c : cases) {
    MultipleRun run;
    run.Prepare(Golden("golden.dat"), c.row);
    EXPECT_FALSE(run.engine.Start(run.parameter, FixedStartTime())) << c.row;
    EXPECT_NE(std::string::npos, run.engine.message().find(c.message)) << run.engine.message();
    EXPECT_FALSE(run.engine.Finish());
    EXPECT_FALSE(Exists(run.output));
  }
}
