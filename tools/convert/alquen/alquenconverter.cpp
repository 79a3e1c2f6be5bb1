#include "tools/convert/alquen/alquenconverter.h"

#include "tools/convert/older/icd9code.h"
#include "tools/convert/older/icdo1converter.h"

namespace kelvarin::alquen {

ConversionResult Icd9ToIcdO1(const char* codeText, int sexIndex, ConvertedCodes& out) {
  const std::string_view* row = FindIcd9Rule(codeText);
  if (row == nullptr) return kInvalidSite;
  const int code = Icd9CodeNumber(codeText);
  const int category = code / 10;

  // Behaviour and morphology the category implies.
  int morphology = 8000;
  int behaviour = 3;
  if (category == 273) {
    behaviour = 3;
  } else if (category >= 235) {
    behaviour = 1;
  } else if (category >= 230) {
    behaviour = 2;
    morphology = 8010;
  } else if (category >= 209) {
    behaviour = 0;
  }

  switch (code) {
    case 2377:
      morphology = 9540;
      break;
    case 2384:
      morphology = 9950;
      break;
    case 2385:
      morphology = 9740;
      break;
    case 2386:
      morphology = 9731;
      break;
    default:
      break;
  }

  int site = Icd9RowSite(*row, code, sexIndex);
  switch (RowClass(*row)) {
    case ' ':
    case '*':
    case '0':
      break;
    case '1':
      site = 1550;
      behaviour = 9;
      break;
    case '2':
      site = code + 10;
      morphology = 8720;
      break;
    case '3':
    case '7':
      site = 1999;
      behaviour = 6;
      break;
    case '4':
      morphology = RowNumber(*row, 5, 4);
      site = morphology == 9700 ? 1739 : 1969;
      break;
    case '5':
      morphology = RowNumber(*row, 5, 4);
      site = 1969;
      break;
    case '6':
      morphology = RowNumber(*row, 5, 4);
      site = 1691;
      break;
    case '8':
      morphology = 9960;
      behaviour = 1;
      break;
    default:
      site = 0;  // refused by the second stage as an invalid site
      break;
  }
  return ConvertCodes(site, morphology, behaviour, kAlquenCore, false, out);
}

namespace {

const MessageRule kMessages[] = {
    {kInvalidSexSiteFlag, 0, " (S) Invalid sex/site combination"},
    {kInvalidSexFlag, 0, " (S) Invalid sex code"},
    {kInvalidSiteFlag, kInvalidSite, " (T) Invalid ICD-9 code"},
    {kAnyFlag, kAnyResult, " (?)"},
};

}  // namespace

int AlquenConverter::Convert(const RecordCodes& codes, const ConversionRow&,
                             ConvertedCodes* converted) {
  return Icd9ToIcdO1(codes.site, codes.sexIndex, *converted);
}

bool AlquenConverter::NeedsReview(const RecordCodes& codes, const ConversionRow&,
                                  const ConvertedCodes& converted) const {
  return IsReviewSiteCode(Icd9CodeNumber(codes.site)) || converted.behaviour == 9;
}

const StandardStepRules AlquenStepRules = {
    SiteDigitTest::kFirstThree,         // site digits
    nullptr,                            // site letters
    SexSiteBefore::kIcd9Code,           // sex/site test before conversion
    nullptr,                            // sex/site test after conversion
    ConvertedOutput::kReviewLineFirst,  // output
    MakeMessageChain(kMessages),        // messages
};

}  // namespace kelvarin::alquen
