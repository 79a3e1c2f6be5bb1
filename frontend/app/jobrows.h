// What the check and multiple-primary commands take from a finished wizard
// into the application's job settings, and the parameter rows they write
// from them.
#pragma once

#include "common/parameterfile.h"
#include "frontend/app/jobsettings.h"

namespace kelvarin {

// The paths, the check's columns and formats, the one-record-per-error
// option, the codes, the record length and the file size. The sequence
// number, the conversion option and the search options stay.
void CopyBackCheck(const JobSettings& sheet, JobSettings& job);

// The paths, the columns of the search's seven variables with the incidence
// date format, the sex codes, the three options, the record length and the
// file size.
void CopyBackMultiplePrimary(const JobSettings& sheet, JobSettings& job);

CheckRow CheckRowOf(const JobSettings& job);
MultiplePrimaryRow MultiplePrimaryRowOf(const JobSettings& job);

}  // namespace kelvarin
