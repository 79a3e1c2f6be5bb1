// The state of the keyboard's lock keys, as the window system tells it.
#pragma once

#include <optional>

namespace kelvarin {

// Lock keys as bits.
enum LockKey : unsigned { kCapsLock = 1, kNumLock = 2, kScrollLock = 4 };

// Which bit of the window system's indicator mask shows each lock (-1: no
// indicator shows it).
struct LockIndicators {
  int caps = -1;
  int num = -1;
  int scroll = -1;
};

// The locks that are on, from an indicator mask.
unsigned LockKeysFromIndicators(unsigned mask, const LockIndicators& indicators);

// The locks that are on now; nullopt where the window system does not tell
// (Wayland, no window system).
std::optional<unsigned> ReadLockKeys();

}  // namespace kelvarin
