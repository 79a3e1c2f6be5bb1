#include "tools/convert/older/icdo1converter.h"

#include <algorithm>
#include <iterator>

#include "common/between.h"

namespace kelvarin {

namespace {

// The three target digits of a topography row, changed by the row's class
// rule with the input morphology.
int TargetTopography(std::string_view row, int morphology) {
  char digits[3] = {row[5], row[6], row[7]};
  switch (RowClass(row)) {
    case '1':  // nervous system: peripheral nerve tumours belong to C47
      if (Between(morphology, 9490, 9507) || Between(morphology, 9540, 9562)) digits[1] = '7';
      break;
    case '2':  // uterine adnexa: carcinomas and sarcomas
      if (Between(morphology, 8010, 8573))
        digits[2] = '1';
      else if (Between(morphology, 8800, 9581))
        digits[2] = '2';
      break;
    case '3':  // adrenal gland: cortex or medulla by the tumour
      if (Between(morphology, 8010, 8045) || Between(morphology, 8370, 8375) ||
          morphology == 8140 || morphology == 8310)
        digits[2] = '0';
      else if (Between(morphology, 8680, 8691) || Between(morphology, 8700, 8710) ||
               Between(morphology, 9490, 9504) || Between(morphology, 9540, 9560))
        digits[2] = '1';
      break;
    default:
      break;
  }
  return (digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0');
}

// The morphology rules of class '2': site and behaviour as handed in,
// topography already converted. May change the behaviour result.
int RuleMorphology(int morphology, int site, int behaviour, int topography, int& behaviourResult) {
  switch (morphology) {
    case 8240:
    case 8242:
      if (behaviour == 1 && site != 1535) behaviourResult = 3;
      return 8240;
    case 8441:
    case 8450:
    case 8460:
    case 8470:
    case 8471:
      if (behaviour == 1 && site == 1830) {
        behaviourResult = 3;
        switch (morphology) {
          case 8441:
            return 8442;
          case 8450:
            return 8451;
          case 8460:
            return 8462;
          case 8470:
            return 8472;
          default:
            return 8473;
        }
      }
      return morphology;
    case 8461:
      if (behaviour == 1 && site == 1830) behaviourResult = 3;
      return 8461;
    case 8861:
      if (behaviour == 1) {
        behaviourResult = 0;
        return 8856;
      }
      return 8861;
    case 8891:
    case 8892:
      if (behaviour == 1) behaviourResult = 0;
      return morphology;
    case 8960:
      return behaviour >= 3 && topography != 649 ? 8933 : 8960;
    case 8981:
      return Between(topography, 340, 349) ? 8972 : 8981;
    case 9731:
      if (behaviour == 1) behaviourResult = 3;
      return 9731;
    case 9940:
      return topography == 421 ? 9940 : 9941;
    default:
      return morphology;
  }
}

}  // namespace

ConversionResult ConvertCodes(int site, int morphology, int behaviour, const IcdO1Variant& variant,
                              bool optionB, ConvertedCodes& out) {
  const bool malignantUnknown = behaviour == 6 || behaviour == 9;
  if (variant.testsBehaviour && !(Between(behaviour, 0, 3) || malignantUnknown))
    return kInvalidBehaviour;
  int behaviourResult = behaviour;
  if (!variant.keepsBehaviour && malignantUnknown) {
    behaviourResult = 3;
    if (variant.honoursOptionB && optionB) site = 1999;
  }

  if (!Between(site, 1400, 1999)) return kInvalidSite;
  const std::string_view* siteRow = FindNumberRow(TableOf(IcdO1TopographyTable), site);
  if (siteRow == nullptr) return kInvalidSite;

  if (!Between(morphology, 8000, 9990)) return kInvalidMorphology;
  const std::string_view* morphologyRow = FindNumberRow(variant.morphologyTable, morphology);
  if (morphologyRow == nullptr) return kInvalidMorphology;

  const int topography = TargetTopography(*siteRow, morphology);
  int morphologyResult = morphology;
  switch (RowClass(*morphologyRow)) {
    case '1':
      morphologyResult = RowNumber(*morphologyRow, 5, 4);
      if (morphologyResult < 0) return kCannotConvert;
      if (variant.raises9931 && morphologyResult == 9931 && behaviour == 1) behaviourResult = 3;
      break;
    case '2':
      morphologyResult = RuleMorphology(morphology, site, behaviour, topography, behaviourResult);
      break;
    default:
      break;
  }

  out.topography = topography;
  out.morphology = morphologyResult;
  out.behaviour = behaviourResult;
  return kConverted;
}

bool IsReviewSiteCode(int site) {
  return std::binary_search(std::begin(ReviewSiteCodes), std::end(ReviewSiteCodes), site);
}

bool IsReviewMorphologyCode(int morphology) {
  return std::binary_search(std::begin(ReviewMorphologyCodes), std::end(ReviewMorphologyCodes),
                            morphology);
}

bool NeedsIcdO1Review(int inputSite, int inputMorphology, int inputBehaviour, bool optionB) {
  return IsReviewSiteCode(inputSite) || IsReviewMorphologyCode(inputMorphology) ||
         (inputBehaviour >= 4 && optionB);
}

}  // namespace kelvarin
