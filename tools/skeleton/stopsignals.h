// Signals that end a run from outside (an interrupt from the terminal, a
// hang-up, a request to terminate) count as the user's Stop: the files the
// run created or emptied are taken back, the temporary ones too, and the
// process then ends as the signal would have ended it. A file-size limit and
// a pipe whose reader went away become write errors with their message.
#pragma once

#include <csignal>
#include <string>

#include "common/fileidentity.h"

namespace kelvarin {

// Installs the handlers for the whole process. The program's name begins the
// line the handler writes to the standard error.
void InstallStopSignals(const char* programName);

// While it lives, the calling thread holds the stop signals back: one that
// arrives meanwhile waits until the run's files are claimed or released.
class StopSignalsHeld {
 public:
  StopSignalsHeld();
  ~StopSignalsHeld();
  StopSignalsHeld(const StopSignalsHeld&) = delete;
  StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

 private:
  sigset_t m_saved;
};

// Puts a file in the care of the handler: should a stop signal end the
// process, the file is taken back (DiscardOwnFile). Returns the claim's
// number, or -1 when the path is too long or the table is full.
int ClaimRunFile(const std::string& path, int fd, FileId id);
// The file is kept or already taken back: the handler leaves it alone.
void ReleaseRunFile(int claim);
// Number of files claimed now.
int ClaimedRunFiles();

}  // namespace kelvarin
