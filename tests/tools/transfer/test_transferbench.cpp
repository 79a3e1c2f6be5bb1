// engine-bench Transfer: the headless transfer writes what the engine the
// wizard drives writes, and prints its counts.
#include <gtest/gtest.h>

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

BenchRun RunBench(const std::string& parameterFile) {
  const std::string command =
      std::string(KELVARIN_ENGINE_BENCH) + " Transfer '" + parameterFile + "' 2>&1";
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
    input += "\"P" + std::to_string(i) + ", x\"," + std::to_string(i % 2 + 1) +
             ",abcdefghijklmnopqrstuvwxyz,extra\r\n";
  WriteFile(dir / "in.csv", input);
  WriteFile(dir / "parameter.dat", dir / "in.csv" + "\n" + dir / "bench.prn" + "\n1 3 1\n");
  const BenchRun run = RunBench(dir / "parameter.dat");
  EXPECT_EQ(0, run.exitCode);
  EXPECT_EQ(0u, run.printed.find("records=2500 cut=2500 surplus=0 seconds=")) << run.printed;

  TransferEngine engine;
  ASSERT_TRUE(engine.Start(dir / "in.csv", dir / "engine.prn", true, {0, 2}));
  while (engine.running()) engine.Step(kTransferBatch);
  EXPECT_EQ(ReadFile(dir / "engine.prn"), ReadFile(dir / "bench.prn"));
}

TEST(TransferBench, RefusalsAndBadParameterFiles) {
  TempDir dir;
  WriteFile(dir / "plain.txt", "no delimiter here\n");
  WriteFile(dir / "refused.dat", dir / "plain.txt" + "\n" + dir / "out.prn" + "\n0 1\n");
  const BenchRun refused = RunBench(dir / "refused.dat");
  EXPECT_EQ(1, refused.exitCode);
  EXPECT_EQ("Cannot find a field delimiter!\n", refused.printed);
  for (const char* row : {"2 1\n", "0\n", "0 0\n", "1 101\n", "1 2 x\n"}) {
    WriteFile(dir / "bad.dat", dir / "plain.txt" + "\n" + dir / "out.prn" + "\n" + row);
    EXPECT_EQ(2, RunBench(dir / "bad.dat").exitCode) << row;
  }
  EXPECT_FALSE(Exists(dir / "out.prn"));
}

}  // namespace
