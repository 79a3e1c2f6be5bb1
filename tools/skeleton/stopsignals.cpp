#include "tools/skeleton/stopsignals.h"

#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace kelvarin {

namespace {

constexpr int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kMaxClaims = 32;

// A claimed file. The fields are written before `used` is set and read by
// the handler only when it is set.
struct Claim {
  volatile sig_atomic_t used = 0;
  int fd = -1;
  FileId id;
  char path[PATH_MAX] = {};
};

Claim g_claims[kMaxClaims];
char g_programName[64] = "tool";

sigset_t StopSignalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int signo : kStopSignals) sigaddset(&set, signo);
  return set;
}

// write(2) of a whole text; only async-signal-safe calls.
void WriteError(const char* text) {
  size_t length = 0;
  while (text[length] != '\0') ++length;
  while (length > 0) {
    const ssize_t n = ::write(STDERR_FILENO, text, length);
    if (n <= 0 && errno != EINTR) return;
    if (n > 0) {
      text += n;
      length -= static_cast<size_t>(n);
    }
  }
}

void OnStopSignal(int signo) {
  bool tookBack = false;
  for (Claim& claim : g_claims)
    if (claim.used) {
      DiscardOwnFile(claim.path, claim.fd, claim.id);
      tookBack = true;
    }

  char number[12];
  int at = sizeof number - 1;
  number[at] = '\0';
  int n = signo;
  do {
    number[--at] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0 && at > 0);
  WriteError(g_programName);
  WriteError(": stopped by signal ");
  WriteError(number + at);
  // Once the run has finished its files are whole and stay.
  WriteError(tookBack ? "; the files of this run were removed.\n" : ".\n");

  // End as the signal ends a process, so that whoever waits on it knows.
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  sigemptyset(&standard.sa_mask);
  ::sigaction(signo, &standard, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signo);
  ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(signo);
  ::_exit(128 + signo);
}

}  // namespace

void InstallStopSignals(const char* programName) {
  std::strncpy(g_programName, programName, sizeof g_programName - 1);
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  action.sa_mask = StopSignalSet();  // one stop at a time
  for (int signo : kStopSignals) ::sigaction(signo, &action, nullptr);
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, nullptr);  // the write fails with EFBIG instead
  ::sigaction(SIGPIPE, &ignore, nullptr);  // the write fails with EPIPE instead
}

StopSignalsHeld::StopSignalsHeld() {
  const sigset_t set = StopSignalSet();
  ::pthread_sigmask(SIG_BLOCK, &set, &m_saved);
}

StopSignalsHeld::~StopSignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &m_saved, nullptr); }

int ClaimRunFile(const std::string& path, int fd, FileId id) {
  if (path.size() >= PATH_MAX) return -1;
  StopSignalsHeld held;
  for (int i = 0; i < kMaxClaims; ++i) {
    Claim& claim = g_claims[i];
    if (claim.used) continue;
    std::memcpy(claim.path, path.c_str(), path.size() + 1);
    claim.fd = fd;
    claim.id = id;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    claim.used = 1;
    return i;
  }
  return -1;
}

void ReleaseRunFile(int claim) {
  if (claim >= 0 && claim < kMaxClaims) g_claims[claim].used = 0;
}

int ClaimedRunFiles() {
  int count = 0;
  for (const Claim& claim : g_claims) count += claim.used ? 1 : 0;
  return count;
}

}  // namespace kelvarin
