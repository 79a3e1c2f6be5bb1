// Every tool program over a file with every kind of bad line: the records
// counted are the records read, and each lands where the program's rules
// send it, once.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/support/enginerun.h"
#include "tests/tools/faults/toolprograms.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

enum Fate {
  kOutput,       // the output file
  kRejected,     // the error file (Multiple: the excluded file)
  kWrongLength,  // the error file marked " *" (the check program: the output file too)
};

struct Line {
  std::string record;
  Fate fate;
};

// The lines of the file and the bytes that hold them.
std::vector<Line> Lines(const ToolProgram& p, std::string* bytes) {
  const std::string good = p.record;
  std::string binary = good;
  binary.replace(binary.size() - 2, 2, std::string("\0\xff", 2));
  std::vector<Line> lines;
  auto add = [&](const std::string& record, Fate fate, const char* end) {
    lines.push_back({record, fate});
    *bytes += record + end;
  };
  for (int n = 1; n <= 3; ++n) add(p.Numbered(good, n), kOutput, "\n");
  add(p.Numbered(good, 4), kOutput, "\r\n");
  add(p.Numbered(binary, 5), kOutput, "\n");
  add(p.Numbered(p.rejected, 6), kRejected, "\n");
  add(p.Numbered(p.rejected, 7), kRejected, "\r\n");
  if (p.multiple) {
    // A second record of person 1: a duplicate registration, set aside and
    // numbered in the output file.
    std::string again = p.Numbered(good, 1);
    again.back() = '2';
    add(again, kOutput, "\n");
  } else {
    // Wrong lengths: short, empty, longer than the longest record, and the
    // two halves of a line that a carriage return alone splits.
    add("short 8", kWrongLength, "\n");
    add("", kWrongLength, "\n");
    add(std::string(1500, 'L') + "9", kWrongLength, "\n");
    add("split 10", kWrongLength, "\r");
    add("split 11", kWrongLength, "\n");
  }
  add(p.Numbered(good, 12), kOutput, "");  // a last line without its line end
  return lines;
}

std::vector<std::string> FileLines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(ReadFile(path));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Lines that carry the record: the record and what the program appended to
// it; a record of the wrong length with its mark.
int Occurrences(const std::vector<std::string>& fileLines, const Line& line) {
  int count = 0;
  for (const std::string& text : fileLines) {
    if (line.fate == kWrongLength) {
      count += text == line.record + " *";
    } else if (text.compare(0, line.record.size(), line.record) == 0) {
      count += text.size() == line.record.size() ||
               std::string(" ;#").find(text[line.record.size()]) != std::string::npos;
    }
  }
  return count;
}

class ToolAccounting : public ::testing::TestWithParam<ToolProgram> {};

TEST_P(ToolAccounting, EveryLineIsCountedAndLandsOnce) {
  const ToolProgram& p = GetParam();
  std::string bytes;
  const std::vector<Line> lines = Lines(p, &bytes);
  RunFolder run;
  run.Prepare(bytes, p.row);
  auto engine = p.make();
  ASSERT_TRUE(engine->Start(run.parameter, FixedStartTime())) << engine->message();
  EXPECT_EQ(StepStatus::kFinished, RunToEnd(*engine, 3));
  ASSERT_TRUE(engine->Finish()) << engine->message();

  const std::string rejectedFile =
      run.Report(p.multiple                        ? ".exl"
                 : std::string(p.name) == "Tesmar" ? ".err"
                                                   : ".e" + std::string(p.name));
  const std::vector<std::string> output = FileLines(run.output);
  const std::vector<std::string> rejected = FileLines(rejectedFile);
  const bool markedInOutput = std::string(p.name) == "Tesmar";
  int notOutput = 0;
  for (const Line& line : lines) {
    const bool toOutput = line.fate == kOutput || (line.fate == kWrongLength && markedInOutput);
    EXPECT_EQ(toOutput ? 1 : 0, Occurrences(output, line)) << line.record;
    EXPECT_EQ(line.fate == kOutput ? 0 : 1, Occurrences(rejected, line)) << line.record;
    notOutput += line.fate != kOutput;
  }
  EXPECT_EQ(static_cast<long long>(lines.size()), engine->Counter(kRecordsCounter));
  EXPECT_EQ(notOutput,
            engine->Counter(p.multiple ? static_cast<int>(MultipleEngine::kExcludedCounter)
                                       : kErrorsCounter));
  if (p.multiple) {
    EXPECT_EQ(1, engine->Counter(MultipleEngine::kDuplicatesCounter));
  }
  EXPECT_EQ(bytes, ReadFile(run.input));
}

INSTANTIATE_TEST_SUITE_P(Programs, ToolAccounting, ::testing::ValuesIn(ToolPrograms()),
                         PrintProgramName);

}  // namespace
