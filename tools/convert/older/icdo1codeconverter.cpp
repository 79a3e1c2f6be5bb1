#include "tools/convert/older/icdo1codeconverter.h"

namespace kelvarin {

namespace {

// The site number of a site text whose four characters passed the digit test.
int SiteNumber(const RecordCodes& codes) {
  return (codes.site[0] - '0') * 1000 + (codes.site[1] - '0') * 100 + (codes.site[2] - '0') * 10 +
         (codes.site[3] - '0');
}

const MessageRule kMessages[] = {
    {kInvalidSexSiteFlag, 0, " (S) Invalid sex/site combination"},
    {kInvalidSexFlag, 0, " (S) Invalid sex code"},
    {kInvalidBehaviourFlag, kInvalidBehaviour, " (B) Invalid behaviour code"},
    {kInvalidGradeFlag, 0, " (G) Invalid grade code"},
    {kInvalidSiteFlag, kInvalidSite, " (T) Invalid ICDO-1 (T) code"},
    {kInvalidMorphologyFlag, kInvalidMorphology, " (M) Invalid ICDO-1 (M) code"},
    {kAnyFlag, kAnyResult, " (?)"},
};

}  // namespace

int IcdO1CodeConverter::Convert(const RecordCodes& codes, const ConversionRow& row,
                                ConvertedCodes* converted) {
  return ConvertCodes(SiteNumber(codes), codes.morphology, codes.behaviour, m_variant,
                      row.optionB != 0, *converted);
}

bool IcdO1CodeConverter::NeedsReview(const RecordCodes& codes, const ConversionRow& row,
                                     const ConvertedCodes&) const {
  return NeedsIcdO1Review(SiteNumber(codes), codes.morphology, codes.behaviour, row.optionB != 0);
}

const StandardStepRules IcdO1StepRules = {
    SiteDigitTest::kAllFour,           // site digits
    nullptr,                           // site letters
    SexSiteBefore::kIcdO1Site,         // sex/site test before conversion
    nullptr,                           // sex/site test after conversion
    ConvertedOutput::kCodesWithGrade,  // output
    MakeMessageChain(kMessages),       // messages
};

}  // namespace kelvarin
