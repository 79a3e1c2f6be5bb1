#include "tools/convert/gorvat/icdo2toicdo3.h"

#include "common/between.h"
#include "tools/check/codetables.h"
#include "tools/convert/common/tablesearch.h"
#include "tools/convert/gorvat/icdo2morphologymap.h"

#include <string_view>

namespace kelvarin {

namespace {

// The five digits of a target code written after the class character.
int Target(std::string_view row) {
  int value = 0;
  for (size_t i = 6; i < 11 && i < row.size(); ++i) value = value * 10 + (row[i] - '0');
  return value;
}

// Class '1': the target, with a different target on named sites.
int SiteTarget(int morphology, int topography, int target) {
  switch (morphology) {
    case 9180:
      return topography == 649 ? 89670 : target;
    case 9380:
      return Between(topography, 710, 719) ? 94441 : target;
    case 9580:
      return topography == 751 ? 95820 : target;
    case 9680:
      if (topography == 379 || topography == 383) return 96793;
      return topography == 422 ? 96893 : target;
    case 9702:
      return Between(topography, 440, 449) ? 97183 : target;
  }
  return target;
}

// Morphologies of class '3' rows whose conversion is marked for review.
bool ReviewedTarget(int morphology) {
  switch (morphology) {
    case 8400:
    case 8402:
    case 8580:
    case 8803:
    case 8832:
    case 8890:
    case 9190:
    case 9490:
    case 9685:
    case 9720:
    case 9803:
    case 9821:
    case 9825:
    case 9868:
    case 9960:
    case 9981:
      return true;
  }
  return false;
}

// Class '3': the target, except on a few sites; some morphologies marked for review.
int RevisedTarget(int morphology, int topography, int target, char* reviewMark) {
  if (morphology == 8510 && topography == 739) return 83453;
  if (morphology == 9731 && Between(topography, 400, 419)) return 97313;
  if (morphology == 8930) {
    *reviewMark = 'w';
    if (topography == 541) return 89303;
    if (Between(topography, 150, 218) || Between(topography, 260, 269)) return 89363;
    return target;
  }
  if (ReviewedTarget(morphology)) *reviewMark = 'w';
  return target;
}

}  // namespace

int IcdO2ToIcdO3(int topography, int code, char* reviewMark) {
  const int behaviour = code % 10;
  if (behaviour > 3) return kIcdO2InvalidBehaviour;
  if (FindTopographyCode(topography) < 0) return kIcdO2InvalidSite;

  // The key as "%5ld" writes the code: a code of fewer digits is blank-padded
  // and so never matches a row.
  if (code < 0 || code > 99999) return kIcdO2InvalidCode;
  char key[5];
  int rest = code;
  for (int i = 4; i >= 0; --i) {
    key[i] = rest > 0 || i == 4 ? static_cast<char>('0' + rest % 10) : ' ';
    rest /= 10;
  }
  const int index =
      FindTableRow(IcdO2MorphologyMap, IcdO2MorphologyMapCount, std::string_view(key, 5));
  if (index < 0) return kIcdO2InvalidCode;

  const std::string_view row = IcdO2MorphologyMap[index];
  const int morphology = code / 10;
  switch (row[5]) {
    case '0':
      *reviewMark = 'w';
      return code;
    case '2':
      return topography / 10 == 70 ? 87280 + behaviour : code;
    case '1':
      return SiteTarget(morphology, topography, Target(row));
    case '3':
      return RevisedTarget(morphology, topography, Target(row), reviewMark);
    case '5':
      if (morphology == 9053) return kIcdO2DeletedCode;
      if (morphology == 8810) *reviewMark = 'w';
      return Target(row);
    case '6':
      if (morphology == 8120 || morphology == 8580 || morphology == 9080) *reviewMark = 'w';
      return Target(row);
  }
  return code;  // '*' and any other class: the code is the same in ICD-O-3
}

}  // namespace kelvarin
