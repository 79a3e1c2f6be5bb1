// A whole conversion run for tests: the input file and the parameter file in
// a fresh folder, the engine started at a fixed time and stepped to the end.
#pragma once

#include <string>
#include <vector>

#include "common/parameterfile.h"
#include "tests/support/enginerun.h"
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

// A run's files (RunFolder) and a whole run of a conversion engine over them.
struct ConversionRun : RunFolder {
  // Runs the engine over records to its end and finishes it; returns what
  // Finish returned.
  bool Run(ToolEngine& engine, const std::string& records, const ConversionRow& row,
           int batch = 5000) {
    Prepare(records, FormatRow(row));
    if (!engine.Start(parameter, FixedStartTime())) return false;
    RunToEnd(engine, batch);
    return engine.Finish();
  }
};

// An expected file of a test's data folder, with "@INPUT@" standing for the
// input path of the run; "<missing>" (as ReadFile gives for a file that is
// not there) when the data folder has no such file, the run must not leave it.
inline std::string ExpectedFile(const std::string& name, const std::string& inputPath) {
  return ReplaceAll(ReadFile(TestDataPath(name)), "@INPUT@", inputPath);
}

}  // namespace kelvarin::test
