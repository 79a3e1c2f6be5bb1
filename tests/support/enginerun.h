// Whole runs of a tool engine for tests: the files of the run in a fresh
// folder, and the engine stepped to the end.
#pragma once

#include <string>

#include "tests/support/testfiles.h"
#include "tools/skeleton/toolengine.h"

namespace kelvarin::test {

// Writes the records to "data.txt" of the folder and "parameter.dat", which
// names it as the input, "out.txt" as the output and carries the row (line
// end included); returns the parameter file's path.
inline std::string PrepareRun(const TempDir& dir, const std::string& records,
                              const std::string& row) {
  WriteFile(dir / "data.txt", records);
  WriteFile(dir / "parameter.dat", (dir / "data.txt") + "\n" + (dir / "out.txt") + "\n" + row);
  return dir / "parameter.dat";
}

// A fresh folder with the files of one run, named as PrepareRun names them.
struct RunFolder {
  TempDir dir;
  const std::string input = dir / "data.txt";
  const std::string output = dir / "out.txt";
  const std::string parameter = dir / "parameter.dat";

  // A report beside the input: "data" + suffix.
  std::string Report(const std::string& suffix) const { return dir / ("data" + suffix); }
  void Prepare(const std::string& records, const std::string& row) const {
    PrepareRun(dir, records, row);
  }
};

// Steps the engine in batches of `batch` records until it stops running;
// returns the status of the last step.
inline StepStatus RunToEnd(ToolEngine& engine, int batch = 5000) {
  StepStatus status = StepStatus::kRunning;
  while (status == StepStatus::kRunning) status = engine.Step(batch);
  return status;
}

}  // namespace kelvarin::test
