#include "tools/skeleton/stopsignals.h"

#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "common/parameterfile.h"

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
void WriteText(int fd, const char* text) {
  size_t length = 0;
  while (text[length] != '\0') ++length;
  while (length > 0) {
    const ssize_t n = ::write(fd, text, length);
    if (n <= 0 && errno != EINTR) return;
    if (n > 0) {
      text += n;
      length -= static_cast<size_t>(n);
    }
  }
}

// Appends a text to a line being built, as far as it has room.
void Append(char* line, size_t size, size_t* used, const char* text) {
  while (*text != '\0' && *used + 1 < size) line[(*used)++] = *text++;
  line[*used] = '\0';
}

void AppendNumber(char* line, size_t size, size_t* used, unsigned long long n) {
  char digits[24];
  int at = sizeof digits - 1;
  digits[at] = '\0';
  do {
    digits[--at] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0 && at > 0);
  Append(line, size, used, digits + at);
}

// Tells whoever started the program what became of a file of the run, in
// the words of RunFileTakeBackWord: the line goes out in one write.
void WriteTakenBack(const Claim& claim, TakeBack result) {
  const char* word = RunFileTakeBackWord(result);
  if (word == nullptr) return;
  char line[PATH_MAX + 80];
  size_t used = 0;
  Append(line, sizeof line, &used, "Run file ");
  Append(line, sizeof line, &used, word);
  Append(line, sizeof line, &used, " ");
  AppendNumber(line, sizeof line, &used, static_cast<unsigned long long>(claim.id.device));
  Append(line, sizeof line, &used, " ");
  AppendNumber(line, sizeof line, &used, static_cast<unsigned long long>(claim.id.inode));
  Append(line, sizeof line, &used, ": ");
  Append(line, sizeof line, &used, claim.path);
  Append(line, sizeof line, &used, "\n");
  WriteText(STDOUT_FILENO, line);
}

void OnStopSignal(int signo) {
  bool removed = false;
  bool emptied = false;
  bool failed = false;
  for (Claim& claim : g_claims) {
    if (!claim.used) continue;
    const TakeBack result = DiscardOwnFile(claim.path, claim.fd, claim.id);
    WriteTakenBack(claim, result);
    removed = removed || result == TakeBack::kRemoved;
    emptied = emptied || result == TakeBack::kEmptied;
    failed = failed || result == TakeBack::kFailed;
  }

  WriteText(STDERR_FILENO, g_programName);
  WriteText(STDERR_FILENO, ": stopped by signal ");
  char number[24];
  size_t used = 0;
  AppendNumber(number, sizeof number, &used, static_cast<unsigned long long>(signo));
  WriteText(STDERR_FILENO, number);
  // Once the run has finished its files are whole and stay.
  if (removed || emptied)
    WriteText(STDERR_FILENO, !emptied  ? "; the files of this run were removed"
                             : removed ? "; the files of this run were removed or emptied"
                                       : "; the files of this run were emptied");
  WriteText(STDERR_FILENO,
            failed ? "; a file of this run could be neither removed nor emptied.\n" : ".\n");

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
