// What a converter of the older conversion programs hands back.
#pragma once

namespace kelvarin {

// Outcome of one conversion; the record step picks its message by it.
enum ConversionResult : int {
    kConverted = 0,
    kInvalidSite = -1,
    kInvalidBehaviour = -2,   // also the hand-review answer of the ICD-10-only converter
    kInvalidMorphology = -3,
    kInvalidCombination = -4,
    kCannotConvert = -5,          // also the review answer of the ICD-10-only converter
};

// The ICD-O-2 codes a converter sets: topography Cxx.x as xx * 10 + x,
// morphology 4 digits, behaviour and grade one digit each.
struct ConvertedCodes {
    int topography = 0;
    int morphology = 0;
    int behaviour = 0;
    int grade = 9;
};

}  // namespace kelvarin
