// The ICD-O-1 to ICD-O-2 core: an ICD-O-1 site, morphology and behaviour to
// the ICD-O-2 topography, morphology and behaviour. It serves the ICD-O-1
// programs directly and the ICD-9 programs as their second stage; what they
// do differently is an IcdO1Variant.
#pragma once

#include "tools/convert/common/standardrecordstep.h"
#include "tools/convert/older/ftemorphologytable.h"
#include "tools/convert/older/icdo1morphologytable.h"
#include "tools/convert/older/icdo1topographytable.h"
#include "tools/convert/older/tablerow.h"

namespace kelvarin {

struct IcdO1Variant {
  TextTable morphologyTable;
  bool testsBehaviour;  // a behaviour other than 0, 1, 2, 3, 6, 9 is refused
  bool keepsBehaviour;  // the behaviour is handed on as it came (6 and 9 stay)
  bool honoursOptionB;  // with optionB, behaviour 6 or 9 moves the site to 199.9
  bool raises9931;      // a replacement 9931 of behaviour 1 gets behaviour 3
};

inline constexpr IcdO1Variant kElbracCore{TableOf(IcdO1MorphologyTable), true, false, true, true};
inline constexpr IcdO1Variant kFenzelCore{TableOf(FteMorphologyTable), true, false, true, false};
inline constexpr IcdO1Variant kBernitCore{TableOf(IcdO1MorphologyTable), false, false, true, false};
inline constexpr IcdO1Variant kAlquenCore{TableOf(IcdO1MorphologyTable), false, true, false, false};

// Converts; on kConverted `out` holds topography, morphology and behaviour
// (its grade is left alone).
ConversionResult ConvertCodes(int site, int morphology, int behaviour, const IcdO1Variant& variant,
                              bool optionB, ConvertedCodes& out);

// Input sites and morphologies whose converted records should be looked at.
inline constexpr int ReviewSiteCodes[] = {1409, 1455, 1460, 1468, 1548, 1579, 1598,
                                          1608, 1709, 1844, 1849, 1869, 1874, 1878,
                                          1915, 1920, 1921, 1922, 1943, 1958};
inline constexpr int ReviewMorphologyCodes[] = {8940, 9380, 9590, 9630, 9640, 9641,
                                                9651, 9656, 9720, 9861, 9863, 9940};

bool IsReviewSiteCode(int site);
bool IsReviewMorphologyCode(int morphology);

// The review rule of the programs that read an ICD-O-1 morphology: a review
// site or morphology, or a behaviour of 4 or more moved by optionB.
bool NeedsIcdO1Review(int inputSite, int inputMorphology, int inputBehaviour, bool optionB);

}  // namespace kelvarin
