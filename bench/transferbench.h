// engine-bench Transfer PARAMETER_FILE: the file transfer run headless with
// the engine the transfer wizard drives.
#pragma once

namespace kelvarin {

// The parameter file holds the input path (line 1), the output path (line 2)
// and, on line 3, the first-row-has-names flag (0 or 1) followed by the
// 1-based numbers of the columns to write. Prints
// records=N cut=C surplus=S seconds=... records_per_s=...; returns the exit
// code: 0 after a finished transfer, 1 when it was refused or failed, 2 for a
// bad parameter file.
int RunTransferBench(const char* parameterFile);

}  // namespace kelvarin
