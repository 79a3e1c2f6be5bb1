// Whether a code lies in an inclusive range: the rules of the check and the
// conversion programs are written as ranges of codes.
#pragma once

namespace kelvarin {

constexpr bool Between(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace kelvarin
