#include "platform/writesignals.h"

#include <csignal>

namespace kelvarin {

namespace {

// The write that raised the signal fails all the same.
void LetTheWriteFail(int) {}

}  // namespace

void TurnWriteSignalsIntoErrors() {
  struct sigaction action {};
  action.sa_handler = LetTheWriteFail;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGPIPE, &action, nullptr);
  ::sigaction(SIGXFSZ, &action, nullptr);
}

}  // namespace kelvarin
