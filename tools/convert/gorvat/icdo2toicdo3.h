// The ICD-O-2 to ICD-O-3 converter of Gorvat.
#pragma once

namespace kelvarin {

// Results of IcdO2ToIcdO3 other than a converted code.
enum IcdO2ToIcdO3Failure : int {
  kIcdO2InvalidSite = -1,       // topography not an ICD-O topography code
  kIcdO2InvalidBehaviour = -2,  // behaviour above 3
  kIcdO2InvalidCode = -3,       // morphology/behaviour not in IcdO2MorphologyMap
  kIcdO2DeletedCode = -4,       // the code has been deleted from the classification
};

// Converts an ICD-O-2 morphology/behaviour code (morphology × 10 + behaviour)
// on a topography (site × 10 + subsite) to its ICD-O-3 code, returned in the
// same form (above 0), or one of the failures above. Sets *reviewMark to 'w'
// when the conversion should be checked by hand, and leaves it alone otherwise.
int IcdO2ToIcdO3(int topography, int code, char* reviewMark);

}  // namespace kelvarin
