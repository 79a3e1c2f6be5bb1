// Every tool program under a hostile file system: an input it cannot read,
// a folder it cannot write, a full disk, a signal in the middle of the run
// and a second run on the same files. In each case: a clear message, a
// failed run, the input as it was and nothing half-written left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>

#include "common/parameterfile.h"
#include "tests/support/childprocess.h"
#include "tests/support/enginerun.h"
#include "tests/tools/faults/toolprograms.h"
#include "tools/skeleton/stopsignals.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

// The names in a folder.
std::set<std::string> Listing(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

const std::set<std::string> kRunFilesOnly = {"data.txt", "parameter.dat"};

class ToolFaults : public ::testing::TestWithParam<ToolProgram> {
 protected:
  // count numbered records of the program, prepared as a run of run's folder.
  std::string Prepare(int count, const std::string& output = std::string()) {
    const ToolProgram& program = GetParam();
    std::string data;
    for (int i = 1; i <= count; ++i) data += program.Numbered(program.record, i) + "\n";
    WriteFile(run.input, data);
    WriteParameter(run.input, output.empty() ? run.output : output);
    return data;
  }
  void WriteParameter(const std::string& input, const std::string& output) {
    WriteFile(run.parameter, input + "\n" + output + "\n" + GetParam().row);
  }
  // Starts a fresh engine of the program; false with *message on a failed start.
  std::unique_ptr<ToolEngine> Start(bool* started) {
    auto engine = GetParam().make();
    *started = engine->Start(run.parameter, FixedStartTime());
    return engine;
  }

  RunFolder run;
};

TEST_P(ToolFaults, InputThatCannotBeReadStartsNothing) {
  Prepare(3);
  ::mkdir((run.dir / "folder").c_str(), 0700);
  ASSERT_EQ(0, ::mkfifo((run.dir / "fifo").c_str(), 0600));
  const struct {
    std::string input;
    const char* message;
  } cases[] = {
      {run.dir / "missing.txt", "Cannot open file(s). Program halted\n"},
      {run.dir / "folder", "is not a regular file"},
      {run.dir / "fifo", "is not a regular file"},
      {"/dev/zero", "/dev/zero:\r\nthe input file is not a regular file: program halted!"},
  };
  const std::set<std::string> before = Listing(run.dir.path());
  const std::set<std::string> devices = Listing("/dev");
  for (const auto& c : cases) {
    WriteParameter(c.input, run.output);
    bool started = true;
    auto engine = Start(&started);
    EXPECT_FALSE(started) << c.input;
    EXPECT_NE(std::string::npos, engine->message().find(c.message)) << engine->message();
    EXPECT_FALSE(engine->Finish());
    EXPECT_EQ(before, Listing(run.dir.path())) << c.input;
  }
  EXPECT_EQ(devices, Listing("/dev"));

  // A file without read rights, for a user other than root.
  ::chmod(run.dir.path().c_str(), 0777);
  ::chmod(run.input.c_str(), 0200);
  WriteParameter(run.input, run.output);
  const ChildEnd end = RunInChild([&] {
    if (!DropRootRights()) return 2;
    auto engine = GetParam().make();
    if (engine->Start(run.parameter, FixedStartTime())) return 3;
    return engine->message() == "Cannot open file(s). Program halted\n" ? 0 : 4;
  });
  EXPECT_TRUE(end.Exited(0)) << end.status << end.errorText;
  EXPECT_EQ(before, Listing(run.dir.path()));
}

TEST_P(ToolFaults, OutputThatIsNotARegularFileStartsNothing) {
  // No report is named beside a device (/dev/null.log) and no pipe is
  // opened, even one with a reader at its other end.
  const std::string data = Prepare(3);
  const std::string fifo = run.dir / "fifo";
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const std::set<std::string> before = Listing(run.dir.path());
  const std::set<std::string> devices = Listing("/dev");
  for (const std::string& output : {std::string("/dev/null"), fifo}) {
    WriteParameter(run.input, output);
    bool started = true;
    auto engine = Start(&started);
    EXPECT_FALSE(started) << output;
    EXPECT_EQ(output + ":\r\nthe output file is not a regular file: program halted!",
              engine->message());
    EXPECT_FALSE(engine->Finish());
    EXPECT_EQ(before, Listing(run.dir.path())) << output;
  }
  ::close(reader);
  EXPECT_EQ(devices, Listing("/dev"));
  EXPECT_EQ(data, ReadFile(run.input));
}

TEST_P(ToolFaults, FolderThatCannotBeWrittenStartsNothing) {
  // The output in a folder without write rights, then the input in one (its
  // reports cannot be made beside it): the output, made first, goes again.
  const std::string data = Prepare(3);
  const std::string locked = run.dir / "locked";
  ::mkdir(locked.c_str(), 0755);
  WriteFile(locked + "/data.txt", data);
  ::chmod(locked.c_str(), 0555);
  ::chmod(run.dir.path().c_str(), 0777);
  const std::set<std::string> before = Listing(run.dir.path());
  for (const auto& paths : {std::make_pair(run.input, locked + "/out.txt"),
                            std::make_pair(locked + "/data.txt", run.output)}) {
    WriteParameter(paths.first, paths.second);
    const ChildEnd end = RunInChild([&] {
      if (!DropRootRights()) return 2;
      auto engine = GetParam().make();
      if (engine->Start(run.parameter, FixedStartTime())) return 3;
      engine->Finish();
      return engine->message() == "Cannot open file(s). Program halted\n" ? 0 : 4;
    });
    EXPECT_TRUE(end.Exited(0)) << paths.second << ": " << end.status << end.errorText;
    EXPECT_EQ(before, Listing(run.dir.path()));
    EXPECT_EQ(std::set<std::string>{"data.txt"}, Listing(locked));
    EXPECT_EQ(data, ReadFile(paths.first));
  }
}

TEST_P(ToolFaults, FullDiskIsAWriteErrorAndLeavesNothing) {
  // More output than the write buffer holds, under a file-size limit: the
  // limit's signal must not end the program, the write fails instead.
  const std::string data = Prepare(20000);
  const ChildEnd end = RunInChild([&] {
    InstallStopSignals(GetParam().name);
    rlimit limit{4096, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    auto engine = GetParam().make();
    if (!engine->Start(run.parameter, FixedStartTime())) return 2;
    const StepStatus status = RunToEnd(*engine);
    if (engine->Finish()) return 3;
    std::fprintf(stderr, "%s", engine->message().c_str());
    return status == StepStatus::kFailed || engine->closeFailed() ? 0 : 4;
  });
  EXPECT_TRUE(end.Exited(0)) << end.status;
  EXPECT_NE(std::string::npos, end.errorText.find(":\r\ncannot write the file (File too large)"))
      << end.errorText;
  EXPECT_EQ(kRunFilesOnly, Listing(run.dir.path()));
  EXPECT_EQ(data, ReadFile(run.input));
}

TEST_P(ToolFaults, SignalInTheMiddleOfTheRunTakesBackWhatItWrote) {
  for (int signo : {SIGTERM, SIGINT, SIGHUP}) {
    // An earlier output is emptied by the run's start, so it goes too.
    const std::string data = Prepare(3000);
    WriteFile(run.output, "earlier output\n");
    const ChildEnd end = RunInChild([&] {
      ::setenv("TMPDIR", run.dir.path().c_str(), 1);  // Multiple's key file goes here
      InstallStopSignals(GetParam().name);
      auto engine = GetParam().make();
      if (!engine->Start(run.parameter, FixedStartTime())) return 2;
      engine->Step(1000);
      ::raise(signo);
      return 3;
    });
    EXPECT_TRUE(end.KilledBy(signo)) << end.status << end.errorText;
    EXPECT_EQ(std::string(GetParam().name) + ": stopped by signal " + std::to_string(signo) +
                  "; the files of this run were removed.\n",
              end.errorText);
    EXPECT_EQ(kRunFilesOnly, Listing(run.dir.path())) << signo;
    EXPECT_EQ(data, ReadFile(run.input));
  }
}

TEST_P(ToolFaults, SecondRunOnTheSameFilesIsRefusedAndTouchesNothing) {
  const std::string data = Prepare(3000);
  const std::string other = run.dir.Write("other.txt", data);
  bool started = false;
  auto first = Start(&started);
  ASSERT_TRUE(started) << first->message();
  EXPECT_EQ(StepStatus::kRunning, first->Step(100));
  const std::set<std::string> during = Listing(run.dir.path());

  // The same files; then another input written to the first run's input.
  for (const auto& paths :
       {std::make_pair(run.input, run.output), std::make_pair(other, run.input)}) {
    const std::string& output = paths.second;
    WriteParameter(paths.first, output);
    auto second = Start(&started);
    EXPECT_FALSE(started);
    EXPECT_NE(std::string::npos,
              second->message().find(output + ":\r\nthe output file is in use by another run"))
        << second->message();
    EXPECT_FALSE(second->Finish());
    EXPECT_EQ(during, Listing(run.dir.path()));
  }

  RunToEnd(*first);
  EXPECT_TRUE(first->Finish()) << first->message();
  EXPECT_EQ(data, ReadFile(run.input));
  EXPECT_EQ(3000, first->records());
  EXPECT_EQ(0, ClaimedRunFiles());
}

// Every way a run can end before the end of its input takes back the same
// files: the Stop; a stop signal the program catches; and a kill, after
// which whoever started the program takes back the files the run told it of.
// Each was told as soon as it was made or emptied, before anything was
// written into it. A list of multiples begun stays, and so does a report of
// that name the program never writes.
TEST_P(ToolFaults, EveryEarlyEndTakesBackTheSameFiles) {
  const ToolProgram& program = GetParam();
  const std::string userReport = std::string(".w") + program.name;
  std::vector<std::string> rows = {program.row};
  if (program.multiple) rows.push_back(ReplaceAll(program.row, " 1 1 0 40 0", " 1 1 1 40 0"));
  for (const std::string& row : rows) {
    std::set<std::string> left[3];
    for (int ending = 0; ending < 3; ++ending) {
      RunFolder folder;
      std::string data;
      for (int i = 1; i <= 3000; ++i) data += program.Numbered(program.record, i) + "\n";
      folder.Prepare(data, row);
      WriteFile(folder.output, "earlier output\n");
      WriteFile(folder.Report(userReport), "the user's\n");
      TempDir side;
      const std::string told = side / "told.txt";
      const ChildEnd end = RunInChild([&] {
        ::setenv("TMPDIR", side.path().c_str(), 1);
        InstallStopSignals(program.name);
        auto engine = program.make();
        engine->SetRunFileListener([&told](const std::string& path, FileId id) {
          FileId named;
          const bool empty =
              RegularFileAt(path, &named) && named == id && std::filesystem::file_size(path) == 0;
          std::ofstream(told, std::ios::app) << (empty ? RunFileLine(path, id) : "not empty\n");
        });
        if (!engine->Start(folder.parameter, FixedStartTime())) return 2;
        engine->Step(1000);
        if (ending == 0) {
          engine->Stop();
          return engine->Finish() ? 4 : 1;
        }
        ::raise(ending == 1 ? SIGTERM : SIGKILL);
        return 3;
      });
      EXPECT_TRUE(ending == 0 ? end.Exited(1) : end.KilledBy(ending == 1 ? SIGTERM : SIGKILL))
          << end.status << end.errorText;
      const std::string tellings = ReadFile(told);
      EXPECT_EQ(std::string::npos, tellings.find("not empty")) << tellings;
      if (ending == 2)
        for (const RunFile& file : ParseRunFileLines(tellings))
          DiscardOwnFile(file.path.c_str(), -1, file.id);
      left[ending] = Listing(folder.dir.path());
      EXPECT_EQ(data, ReadFile(folder.input));
      const std::string report = ReadFile(folder.Report(userReport));
      EXPECT_TRUE(report == "the user's\n" || report == "<missing>") << report;
      EXPECT_EQ(left[ending].count("data.mul") == 1, row != program.row) << ending;
    }
    EXPECT_EQ(left[0], left[1]) << row;
    EXPECT_EQ(left[0], left[2]) << row;
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, ToolFaults, ::testing::ValuesIn(ToolPrograms()),
                         PrintProgramName);

}  // namespace
