// engine-bench TOOL PARAMETER_FILE: runs a tool program's engine headless to
// the end of its input, leaves exactly the files the program would, and
// prints records=... seconds=... records_per_s=... Exits non-zero when the
// run does not finish (failed start, read or write error). TOOL Transfer runs
// the file transfer instead (bench/transferbench.h).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "bench/enginefactory.h"
#include "bench/transferbench.h"
#include "common/reportname.h"

int main(int argc, char** argv) {
  using namespace kelvarin;
  if (argc != 3) {
    std::fprintf(stderr, "usage: engine-bench TOOL PARAMETER_FILE\ntools:");
    for (const auto& tool : BenchTools()) std::fprintf(stderr, " %s", tool.name);
    std::fprintf(stderr, " Transfer\n");
    return 2;
  }
  if (std::strcmp(argv[1], "Transfer") == 0) return RunTransferBench(argv[2]);
  std::unique_ptr<ToolEngine> engine;
  for (const auto& tool : BenchTools())
    if (std::strcmp(tool.name, argv[1]) == 0) engine = tool.make();
  if (!engine) {
    std::fprintf(stderr, "engine-bench: unknown tool %s\n", argv[1]);
    return 2;
  }

  const auto begin = std::chrono::steady_clock::now();
  if (!engine->Start(argv[2], LocalNow())) {
    std::fprintf(stderr, "%s\n", engine->message().c_str());
    engine->Finish();
    return 1;
  }
  StepStatus status = StepStatus::kRunning;
  while (status == StepStatus::kRunning) status = engine->Step(5000);
  const bool finished = engine->Finish();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  if (!finished) std::fprintf(stderr, "%s\n", engine->message().c_str());
  const long long records = engine->Counter(kRecordsCounter);
  std::printf("records=%lld seconds=%.3f records_per_s=%.0f\n", records, seconds,
              seconds > 0 ? records / seconds : 0.0);
  return finished ? 0 : 1;
}
