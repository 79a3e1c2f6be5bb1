// The list of checks the record check program will run with the columns of
// a job, as the check wizard's Finish page shows it.
#pragma once

#include <string>

#include "frontend/job/jobsettings.h"

namespace kelvarin {

std::string BuildCheckSummary(const JobSettings& job);

}  // namespace kelvarin
