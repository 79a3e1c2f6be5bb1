// What a converter answers for one record's codes.
#pragma once

namespace kelvarin {

// The result of every converter of the conversion programs. On kConverted the
// converter has set the converted codes; every other value names the reason
// the record cannot be converted, which the program's message chain turns into
// the message appended to the record in the error file.
enum ConversionResult : int {
  kConverted = 0,
  kInvalidSite = -1,         // site out of range or not in the site table
  kInvalidBehaviour = -2,    // invalid behaviour code (one program: hand review)
  kInvalidMorphology = -3,   // out of range or not in the morphology table
  kInvalidCombination = -4,  // site, morphology and behaviour do not fit together
  kCannotConvert = -5,       // no conversion for this code (one program: review)
};

}  // namespace kelvarin
