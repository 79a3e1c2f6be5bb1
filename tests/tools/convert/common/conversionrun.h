// A whole conversion run for tests: the input file and the parameter file in
// a fresh folder, the engine started at a fixed time and stepped to the end.
#pragma once

#include <string>
#include <vector>

#include "common/parameterfile.h"
#include "tests/support/testfiles.h"
#include "tools/convert/common/conversionrecordstep.h"
#include "tools/skeleton/toolengine.h"

namespace kelvarin::test {

// A row for records whose codes stand one after the other from column first
// on: sex, the site over siteWidth columns, four morphology characters, the
// behaviour, and the grade when withGrade.
inline ConversionRow CodeRow(int first, int siteWidth, bool withGrade, char male = '1',
                             char female = '2') {
  ConversionRow row;
  row.sexStart = row.sexEnd = first;
  row.topographyStart = first + 1;
  row.topographyEnd = first + siteWidth;
  row.histologyStart = first + siteWidth + 1;
  row.histologyEnd = row.histologyStart + 3;
  row.behaviourStart = row.behaviourEnd = row.histologyStart + 4;
  if (withGrade) row.gradeStart = row.gradeEnd = row.behaviourStart + 1;
  row.maleCode = male;
  row.femaleCode = female;
  return row;
}

// The lines a record step writes, kept for a test to look at.
struct CollectedLines : ConversionReports {
  std::vector<std::string> output, warnings, errors;
  int counted = 0;  // warnings counted without a line
  void WriteOutput(std::string_view line) override { output.emplace_back(line); }
  void WriteWarning(std::string_view line) override { warnings.emplace_back(line); }
  void WriteError(std::string_view line) override { errors.emplace_back(line); }
  void CountWarning() override { ++counted; }
};

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

// An expected file of a test's data folder, with "@INPUT@" standing for the
// input path of the run.
inline std::string ExpectedFile(const std::string& name, const std::string& inputPath) {
  std::string text = ReadFile(std::string(KELVARIN_TEST_DATA_DIR) + "/" + name);
  const size_t at = text.find("@INPUT@");
  if (at != std::string::npos) text.replace(at, 7, inputPath);
  return text;
}

}  // namespace kelvarin::test
