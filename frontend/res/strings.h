// The front-end's string table. A string whose id is a command id is that
// command's prompt: the status-bar text, then optionally a newline and the
// tool tip.
#pragma once

namespace kelvarin {

inline constexpr int kIdsAppTitle = 57344;     // "Kelvarin"
inline constexpr int kIdsIdleMessage = 57345;  // the status bar's text at rest

// The string with this id, or nullptr when the table has none.
const char* LoadResString(int id);

}  // namespace kelvarin
