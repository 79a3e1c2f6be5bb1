#include "frontend/app/jobsettingsdefaults.h"

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

}  // namespace kelvarin
