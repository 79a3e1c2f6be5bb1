// Test helper: a whole run of the check engine over data.txt in a temporary
// folder, writing out.txt and the reports beside it.
#pragma once

#include <string>

#include "tests/support/enginerun.h"
#include "tools/check/tesmarengine.h"

namespace kelvarin::test {

// The title line of the reports of a run started at FixedStartTime().
inline constexpr char kCheckTitle[] = "Orvo-Check program - Monday 07 December 2026-23:05\n";

// Writes the data and the parameter file, runs the engine in batches of
// `batch` records to the end, and returns whether the run finished. After a
// failed start *message (when given) holds the engine's message.
inline bool RunCheck(const TempDir& dir, const std::string& data, const std::string& row,
                     std::string* message = nullptr, int batch = 5000) {
  TesmarEngine engine;
  if (!engine.Start(PrepareRun(dir, data, row), FixedStartTime())) {
    if (message) *message = engine.message();
    engine.Finish();
    return false;
  }
  RunToEnd(engine, batch);
  return engine.Finish();
}

}  // namespace kelvarin::test
