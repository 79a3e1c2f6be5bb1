// The built tool programs, each run from a folder of its own beside its
// parameter file and ended by a signal in the middle of its run: it takes
// back every file the run wrote, says so, and ends as the signal ends a
// process.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "common/parameterfile.h"
#include "tests/support/testfiles.h"
#include "tests/tools/faults/toolprograms.h"

extern char** environ;

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;

namespace {

struct RunningProgram {
  const ToolProgram* program;
  TempDir dir;
  std::string input;
  pid_t pid = -1;
  int errorFd = -1;
};

// Copies the program beside a parameter file naming a large input, and starts it.
void Launch(RunningProgram& run) {
  const std::string name = run.program->name;
  fs::copy_file(fs::path(KELVARIN_PGM_DIR) / name, run.dir / name);
  for (int n = 1; n <= 100000; ++n)
    run.input += run.program->Numbered(run.program->record, n) + "\n";
  WriteFile(run.dir / "data.txt", run.input);
  WriteFile(run.dir / kParameterFileName,
            (run.dir / "data.txt") + "\n" + (run.dir / "out.txt") + "\n" + run.program->row);

  int pipeFds[2];
  ASSERT_EQ(0, ::pipe(pipeFds));
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  // Multiple's key file goes to a temporary folder of the run's own, where
  // Qt keeps its runtime folder too.
  fs::create_directory(run.dir / "tmp");
  ::setenv("TMPDIR", (run.dir / "tmp").c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string path = run.dir / name;
  char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
  ASSERT_EQ(0, ::posix_spawn(&run.pid, path.c_str(), &actions, nullptr, argv, environ));
  ::unsetenv("TMPDIR");
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  run.errorFd = pipeFds[0];
}

std::set<std::string> Listing(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

}  // namespace

TEST(BuiltToolPrograms, SignalInTheMiddleOfTheRunTakesBackWhatItWrote) {
  std::vector<std::unique_ptr<RunningProgram>> runs;
  for (const ToolProgram& program : ToolPrograms()) {
    runs.push_back(std::make_unique<RunningProgram>());
    runs.back()->program = &program;
    Launch(*runs.back());
  }
  // Each run has started once its output file is there; then it works on
  // in the ticks of its progress dialog, and is stopped a few ticks later,
  // however slowly the others start on a busy machine.
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::seconds(60);
  std::vector<Clock::time_point> startedAt(runs.size(), Clock::time_point::max());
  for (size_t stopped = 0; stopped < runs.size();) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    for (size_t i = 0; i < runs.size(); ++i) {
      if (startedAt[i] == Clock::time_point::min()) continue;  // stopped already
      siginfo_t ended{};
      const bool gone = ::waitid(P_PID, static_cast<id_t>(runs[i]->pid), &ended,
                                 WEXITED | WNOHANG | WNOWAIT) != 0 ||
                        ended.si_pid != 0;
      if (startedAt[i] == Clock::time_point::max() && Exists(runs[i]->dir / "out.txt"))
        startedAt[i] = Clock::now();
      if (!gone && Clock::now() - startedAt[i] < std::chrono::milliseconds(300) &&
          Clock::now() < deadline)
        continue;
      ::kill(runs[i]->pid, SIGTERM);
      startedAt[i] = Clock::time_point::min();
      ++stopped;
    }
  }

  for (const auto& run : runs) {
    const std::string name = run->program->name;
    int status = 0;
    ::waitpid(run->pid, &status, 0);
    std::string errorText;
    char buffer[4096];
    for (ssize_t n; (n = ::read(run->errorFd, buffer, sizeof buffer)) > 0;)
      errorText.append(buffer, static_cast<size_t>(n));
    ::close(run->errorFd);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM)
        << name << ": " << status << " " << errorText;
    EXPECT_NE(std::string::npos,
              errorText.find(name + ": stopped by signal 15; the files of this run were removed."))
        << errorText;
    EXPECT_EQ((std::set<std::string>{name, "data.txt", kParameterFileName, "tmp"}),
              Listing(run->dir.path()))
        << name;
    std::set<std::string> temporary = Listing(run->dir / "tmp");
    temporary.erase("runtime-root");
    EXPECT_EQ(std::set<std::string>{}, temporary) << name;
    EXPECT_EQ(run->input, ReadFile(run->dir / "data.txt")) << name;
  }
}
