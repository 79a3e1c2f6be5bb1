// The ICD-O-3 topography and morphology codes the programs accept, as
// constant sorted arrays, with their searches.
#pragma once

#include <array>
#include <cstdint>

namespace kelvarin {

inline constexpr int kTopographyCodeCount = 330;
inline constexpr int kMorphologyCodeCount = 807;

// Largest topography value (C80.9) and the morphology range.
inline constexpr int kMaxTopography = 809;
inline constexpr int kFirstMorphology = 8000;
inline constexpr int kLastMorphology = 9992;

// Topography codes Cxx.x held as xx * 10 + x, ascending: 0 (C00.0) .. 809 (C80.9).
extern const std::array<std::int16_t, kTopographyCodeCount> TopographyCodes;

// Four-digit morphology codes, ascending: 8000 .. 9992. Their order is also
// the row order of every table keyed by morphology.
extern const std::array<std::int16_t, kMorphologyCodeCount> MorphologyCodes;

// Position of the value in TopographyCodes, or -1 when it is not a code.
int FindTopographyCode(int value);

// Position of the value in MorphologyCodes, or -1 when it is not a code.
int FindMorphologyCode(int value);

}  // namespace kelvarin
