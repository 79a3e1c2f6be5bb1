// A whole conversion run for tests: the input file and the parameter file in
// a fresh folder, the engine started at a fixed time and stepped to the end.
#pragma once

#include <string>

#include "common/parameterfile.h"
#include "tests/support/testfiles.h"
#include "tools/skeleton/toolengine.h"

namespace kelvarin::test {

struct ConversionRun {
  TempDir dir;
  std::string input = dir / "data.txt";
  std::string output = dir / "out.txt";
  std::string parameter = dir / "parameter.dat";

  // The report beside the input: "data" + suffix.
  std::string Report(const std::string& suffix) const { return dir / ("data" + suffix); }

  void Prepare(const std::string& records, const std::string& rowText) {
    WriteFile(input, records);
    WriteFile(parameter, input + "\n" + output + "\n" + rowText);
  }

  // Runs the engine over records to its end and finishes it; returns what
  // Finish returned.
  bool Run(ToolEngine& engine, const std::string& records, const ConversionRow& row,
           int batch = 5000) {
    Prepare(records, FormatRow(row));
    if (!engine.Start(parameter, FixedStartTime())) return false;
    StepStatus status = StepStatus::kRunning;
    while (status == StepStatus::kRunning) status = engine.Step(batch);
    return engine.Finish();
  }
};

}  // namespace kelvarin::test
