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
  job.inputFile = sheet.inputFile;
  job.outputFile = sheet.outputFile;
  job.inputFolder = sheet.inputFolder;
  job.outputFolder = sheet.outputFolder;
  CopyRowValues(row, sheet, job);
}

}  // namespace kelvarin
