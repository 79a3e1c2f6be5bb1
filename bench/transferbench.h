// engine-bench Transfer PARAMETER_FILE: the file transfer run headless with
// the engine the transfer wizard drives.
#pragma once

namespace kelvarin {

// The parameter file holds the input path (line 1), the output path (line 2)
// and, on line 3, the first-row-has-names flag (0 or 1) followed by the
// 1-based numbers of the columns to write. Prints
// records=N cut=C surplus=S joined=J seconds=... records_per_s=... (J: line
// ends inside quotes written as blanks); returns the exit code: 0 after a
// finished transfer, 1 when it was refused or failed, 2 for a bad parameter
// file. An input that ends inside a quoted field writes nothing, and one cut
// short or rewritten while the transfer runs leaves no output: the line that
// says so follows the counts as the last line printed.
int RunTransferBench(const char* parameterFile);

}  // namespace kelvarin
