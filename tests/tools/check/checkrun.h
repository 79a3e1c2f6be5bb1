// Test helper: a whole run of the check engine over data.txt in a temporary
// folder, writing out.txt and the reports beside it.
#pragma once

#include <string>

#include "tests/support/testfiles.h"
#include "tools/check/tesmarengine.h"

namespace kelvarin::test {

// The title line of the reports of a run started at FixedStartTime().
inline constexpr char kCheckTitle[] = "Orvo-Check program - Monday 07 December 2026-23:05\n";

// Writes the data and the parameter file, runs the engine in batches of
// `batch` records to the end, and returns whether the run finished. After a
// failed start *message (when given) holds the engine's message.
inline bool RunCheck(const TempDir& dir, const std::string& data, const std::string& row,
                     std::string* message = nullptr, int batch = 5000) {
  WriteFile(dir / "data.txt", data);
  WriteFile(dir / "parameter.dat", (dir / "data.txt") + "\n" + (dir / "out.txt") + "\n" + row);
  TesmarEngine engine;
  if (!engine.Start(dir / "parameter.dat", FixedStartTime())) {
    if (message) *message = engine.message();
    engine.Finish();
    return false;
  }
  while (engine.Step(batch) == StepStatus::kRunning) {
  }
  return engine.Finish();
}

}  // namespace kelvarin::test
