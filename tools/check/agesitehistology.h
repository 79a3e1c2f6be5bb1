// Whether a tumour of a given site and morphology is likely at the
// patient's age: childhood tumours by their ICCC-3 category, adult tumours
// by a few sites and morphologies with unlikely ages.
#pragma once

namespace kelvarin {

// 1 when the combination is unlikely at that age, 0 when it is acceptable.
// age in whole years (never 999), topography a valid topography code,
// morphology a valid code or 8000 when the morphology is unknown.
int CheckAgeSiteHistology(int age, int topography, int morphology);

}  // namespace kelvarin
