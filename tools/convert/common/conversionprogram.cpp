#include "tools/convert/common/conversionprogram.h"

#include <cstring>

namespace kelvarin {

namespace {
constexpr ProgressDivisor kOlder = ProgressDivisor::kRecordLength;
constexpr ProgressDivisor kNewer = ProgressDivisor::kRecordLengthAndLineEnd;
constexpr ConversionDialogLayout kStandard = ConversionDialogLayout::kStandard;
constexpr ConversionDialogLayout kCompact = ConversionDialogLayout::kCompact;
constexpr ReplaceForm kAppend = ReplaceForm::kNone;
constexpr ReplaceForm kSite = ReplaceForm::kSiteAndCodes;
constexpr ReplaceForm kCodes = ReplaceForm::kMorphologyAndCodes;
}  // namespace

const ConversionProgram ConversionPrograms[kConversionProgramCount] = {
    {"Alquen", "ICD-9 to ICD-O-2", ".eAlquen", ".wAlquen", true, "ICD-O-2", 18, false, false,
     kAppend, kOlder, kStandard, 250, 5000},
    {"Bernit", "ICD-9+ICD-O-1(M) to ICD-O-2", ".eBernit", ".wBernit", true, "ICD-O-2", 18, true,
     true, kSite, kOlder, kStandard, 250, 5000},
    // Caslov derives and shows a warning file name but never creates the file;
    // its warnings are the records marked in the output file.
    {"Caslov", "ICD-10 to ICD-O-2", ".eCaslov", ".wCaslov", false, "ICD-O-2", 18, false, false,
     kAppend, kOlder, kStandard, 250, 5000},
    {"Dorwim", "ICD-10+ICD-O-2(M) to ICD-O-2", ".eDorwim", nullptr, false, "ICD-O-2", 18, true,
     true, kSite, kOlder, kCompact, 250, 5000},
    {"Elbrac", "ICD-O-1 to ICD-O-2", ".eElbrac", ".wElbrac", true, "ICD-O-2", 18, true, true, kSite,
     kOlder, kStandard, 250, 5000},
    {"Fenzel", "ICD-O-1 (Field Trial Edition, 1988) to ICD-O-2", ".eFenzel", ".wFenzel", true,
     "ICD-O-2", 18, true, true, kSite, kOlder, kStandard, 250, 5000},
    {"Gorvat", "ICD-O-2 to ICD-O-3", ".eGorvat", ".wGorvat", true, "ICD-O-3", 18, true, true,
     kCodes, kNewer, kStandard, 250, 5000},
    // Jantrik scans only the first 16 fields of the row and always appends.
    {"Jantrik", "ICD-O-3 to ICD-10", ".eJantrik", ".wJantrik", true, "ICD-10", 16, true, false,
     kAppend, kNewer, kStandard, 250, 5000},
};

const ConversionProgram* FindConversionProgram(const char* name) {
  for (const ConversionProgram& program : ConversionPrograms)
    if (std::strcmp(program.name, name) == 0) return &program;
  return nullptr;
}

}  // namespace kelvarin
