// The tool programs of the suite, indexed by the conversion index: entry i is
// the program of command 32771 + i, whose title is string 32771 + i. The
// programs live in the "pgm" folder below the home folder, each file named
// after its entry.
#pragma once

#include <array>

#include "frontend/res/commandids.h"

namespace kelvarin {

inline constexpr std::array<const char*, 14> ToolNames = {
    "Alquen", "Bernit", "Caslov",  "Dorwim",  "Elbrac",  "Fenzel", "Gorvat",
    "Hulmen", "Irsolt", "Jantrik", "Kolvesh", "Lumpret", "Tesmar", "Multiple"};

inline constexpr int kToolCount = static_cast<int>(ToolNames.size());

// The string that names tool program `index`.
constexpr int ToolTitleId(int index) { return kIdConversionFirst + index; }

}  // namespace kelvarin
