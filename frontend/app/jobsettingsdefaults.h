// The state of the job settings at every start of the front-end.
#pragma once

#include "frontend/app/jobsettings.h"

namespace kelvarin {

// Every member back to its initial value: every column pair and both date
// formats undefined, the default codes and options, the layout-page state
// and the preview cleared. The four paths are left as they are.
void SetStartupDefaults(JobSettings& job);

}  // namespace kelvarin
