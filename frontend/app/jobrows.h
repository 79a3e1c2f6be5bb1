// What the run commands take from a finished wizard into the application's
// job settings.
#pragma once

#include "common/parameterfile.h"
#include "frontend/app/jobsettings.h"

namespace kelvarin {

// The four paths, and every value the command's parameter row carries (the
// columns, codes, options, record length and file size of its fields).
// Nothing else changes: the preview and the layout-page state stay.
void CopyBack(const JobSettings& sheet, JobSettings& job, RowType row);

}  // namespace kelvarin
