#include "frontend/job/jobsettings.h"

#include <utility>

namespace kelvarin {

void SetStartupDefaults(JobSettings& job) {
  JobSettings defaults;
  defaults.inputFile = std::move(job.inputFile);
  defaults.outputFile = std::move(job.outputFile);
  defaults.inputFolder = std::move(job.inputFolder);
  defaults.outputFolder = std::move(job.outputFolder);
  job = std::move(defaults);
}

void CopyBack(const JobSettings& sheet, JobSettings& job, RowType row) {
  CopyBackPaths(sheet, job);
  CopyRowValues(row, sheet, job);
}

void CopyBackPaths(const JobSettings& sheet, JobSettings& job) {
  job.inputFile = sheet.inputFile;
  job.outputFile = sheet.outputFile;
  job.inputFolder = sheet.inputFolder;
  job.outputFolder = sheet.outputFolder;
}

}  // namespace kelvarin
