#include "checksexsiteicd10.h"

#include "tools/convert/common/conversionfields.h"

namespace kelvarin {

namespace {
bool Within(int value, int low, int high) { return value >= low && value <= high; }
}  // namespace

int CheckSexSiteIcd10(int sexIndex, const char code[4]) {
  int number = 0;
  if (code[0] == 'C') {
    if (!ScanDecimal(code + 1, 2, 2, &number)) return 0;
    if (sexIndex == 0 && Within(number, 51, 58)) return 1;
    if (sexIndex == 1 && Within(number, 60, 63)) return 1;
    return 0;
  }
  if (code[0] == 'D') {
    // A three-character code (D27 and a blank) counts as its subsite 0.
    const bool threeCharacters = code[3] == ' ';
    if (!ScanDecimal(code + 1, threeCharacters ? 2 : 3, 3, &number)) return 0;
    if (threeCharacters) number *= 10;
    if (sexIndex == 0 && (Within(number, 60, 73) || Within(number, 250, 289) ||
                          Within(number, 390, 399)))
      return 1;
    if (sexIndex == 1 && (Within(number, 74, 76) || Within(number, 290, 299) ||
                          Within(number, 400, 409)))
      return 1;
  }
  return 0;
}

}  // namespace kelvarin
