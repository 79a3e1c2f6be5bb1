// engine-bench Transfer: the headless transfer writes what the engine the
// wizard drives writes, and prints its counts.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tests/support/testfiles.h"
#include "tools/transfer/transferengine.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

struct BenchRun {
  int exitCode;
  std::string printed;
};

// A run that waits on its input is stopped after a while (exit code 124).
BenchRun RunBench(const std::string& parameterFile) {
  const std::string command =
      "timeout 20 " + std::string(KELVARIN_ENGINE_BENCH) + " Transfer '" + parameterFile + "' 2>&1";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  std::string printed;
  char chunk[512];
  while (size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) printed.append(chunk, n);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, printed};
}

TEST(TransferBench, WritesWhatTheEngineWrites) {
  TempDir dir;
  std::string input = "Name,Sex,Remark\n";
  for (int i = 0; i < 2500; ++i)
    input += "\"P" + std::to_string(i) + (i % 5 ? ", x\"," : "\r\nx\",") +
             std::to_string(i % 2 + 1) + ",abcdefghijklmnopqrstuvwxyz,extra\r\n";
  WriteFile(dir / "in.csv", input);
  WriteFile(dir / "parameter.dat", dir / "in.csv" + "\n" + dir / "bench.prn" + "\n1 3 1\n");
  const BenchRun run = RunBench(dir / "parameter.dat");
  EXPECT_EQ(0, run.exitCode);
  EXPECT_EQ(0u, run.printed.find("records=2500 cut=2500 surplus=0 joined=500 seconds="))
      << run.printed;

  TransferEngine engine;
  ASSERT_TRUE(engine.Start(dir / "in.csv", dir / "engine.prn", true, {0, 2}));
  while (engine.running()) engine.Step(kTransferBatch);
  EXPECT_EQ(ReadFile(dir / "engine.prn"), ReadFile(dir / "bench.prn"));
}

TEST(TransferBench, UnclosedQuoteWritesNothing) {
  TempDir dir;
  WriteFile(dir / "in.csv", "a,b,c\nd,\"e,f\ng,h,i\n");
  WriteFile(dir / "old.prn", "keep me\n");
  for (const char* output : {"new.prn", "old.prn"}) {
    WriteFile(dir / "parameter.dat", dir / "in.csv" + "\n" + dir / output + "\n0 1 2 3\n");
    const BenchRun run = RunBench(dir / "parameter.dat");
    EXPECT_EQ(1, run.exitCode);
    const std::string last = "The file ends inside a quoted field that opens on line 2.\n";
    ASSERT_GE(run.printed.size(), last.size());
    EXPECT_EQ(last, run.printed.substr(run.printed.size() - last.size())) << run.printed;
    EXPECT_EQ(0u, run.printed.find("records=0 cut=0 surplus=0 joined=0 ")) << run.printed;
  }
  EXPECT_FALSE(Exists(dir / "new.prn"));
  EXPECT_EQ("keep me\n", ReadFile(dir / "old.prn"));
}

TEST(TransferBench, RefusalsAndBadParameterFiles) {
  TempDir dir;
  WriteFile(dir / "plain.txt", "no delimiter here\n");
  WriteFile(dir / "refused.dat", dir / "plain.txt" + "\n" + dir / "out.prn" + "\n0 1\n");
  const BenchRun refused = RunBench(dir / "refused.dat");
  EXPECT_EQ(1, refused.exitCode);
  EXPECT_EQ("Cannot find a field delimiter!\n", refused.printed);
  // A named pipe, held open at both ends so that nothing but the refusal ends the run.
  ASSERT_EQ(0, ::mkfifo((dir / "pipe.csv").c_str(), 0600));
  const int held = ::open((dir / "pipe.csv").c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(held, 0);
  ASSERT_EQ(12, ::write(held, "a,b,c\nd,e,f\n", 12));
  WriteFile(dir / "pipe.dat", dir / "pipe.csv" + "\n" + dir / "out.prn" + "\n0 1\n");
  const BenchRun piped = RunBench(dir / "pipe.dat");
  ::close(held);
  EXPECT_EQ(1, piped.exitCode);
  EXPECT_EQ("Cannot open input file!\n", piped.printed);
  for (const char* row : {"2 1\n", "0\n", "0 0\n", "1 101\n", "1 2 x\n"}) {
    WriteFile(dir / "bad.dat", dir / "plain.txt" + "\n" + dir / "out.prn" + "\n" + row);
    EXPECT_EQ(2, RunBench(dir / "bad.dat").exitCode) << row;
  }
  EXPECT_FALSE(Exists(dir / "out.prn"));
}

}  // namespace
