#include "tools/convert/dorwim/dorwimconverter.h"

#include "common/between.h"
#include "tools/check/consistency.h"
#include "tools/convert/dorwim/lymphomatable.h"
#include "tools/convert/older/icd10code.h"
#include "tools/convert/older/icdo2morphologycodes.h"

namespace kelvarin::dorwim {

namespace {

// Whether behaviour and code agree: benign, uncertain and in situ codes are
// D codes of their ranges, malignant ones C codes, metastatic ones the
// secondary C77 to C80.
bool BehaviourFitsCode(int behaviour, char letter, int nn, int morphology) {
  switch (behaviour) {
    case 0:
      return letter == 'D' && Between(nn, 10, 36);
    case 1:
      return letter == 'D' && Between(nn, 37, 48);
    case 2:
      if (letter != 'D' || !Between(nn, 0, 9)) return false;
      return nn == 3 ? Between(morphology, 8720, 8799) : Between(morphology, 8010, 8679);
    case 3:
      return letter == 'C' && !Between(nn, 77, 79);
    default:
      return letter == 'C' && Between(nn, 77, 80);  // 6
  }
}

// Liver (class '1'): the tumour each subsite of C22 stands for.
bool LiverMorphologyFits(char subsite, int m) {
  switch (subsite) {
    case '0':
      return m == 8170 || m == 8171;
    case '1':
      return m == 8140 || m == 8141 || Between(m, 8160, 8162) || m == 8260 || m == 8440 ||
             m == 8480 || m == 8481 || m == 8490 || m == 8500 || m == 8550 || m == 8560;
    case '2':
      return m == 8970;
    case '3':
      return Between(m, 9120, 9133) || m == 9161;
    case '4':
      return Between(m, 8800, 8811) || m == 8830 || Between(m, 8840, 8920) || m == 8990 ||
             m == 8991 || Between(m, 9040, 9044) || m == 9150 || m == 9170 ||
             Between(m, 9540, 9581);
    case '7':
      return Between(m, 8001, 8572);
    default:
      return m == 8000;
  }
}

// Carcinoma in situ of the breast (class '9').
bool BreastInSituFits(char subsite, int m) {
  switch (subsite) {
    case '0':
      return m == 8520 || m == 8522;
    case '1':
      return Between(m, 8500, 8506);
    case '7':
      return Between(m, 8021, 8572);
    default:
      return m >= 8010;
  }
}

// The topography of a lymphoma code of class '6' by its morphology.
int LymphomaTopography(int m) {
  switch (m) {
    case 9594:
      return 719;
    case 9700:
    case 9709:
      return 449;
    case 9732:
      return 421;
    case 9761:
      return 420;
    case 9764:
      return 179;
    default:
      return 779;
  }
}

ConversionResult LymphomaRule(int code, int morphology) {
  const LymphomaRow* row = FindLymphomaRow(code);
  if (row == nullptr) return kCannotConvert;
  return LymphomaRowAccepts(*row, morphology) ? kConverted : kInvalidCombination;
}

}  // namespace

const LymphomaRow* FindLymphomaRow(int code) {
  for (const LymphomaRow& row : LymphomaTable) {
    if (code >= row.codeFirst && code <= row.codeLast) return &row;
  }
  return nullptr;
}

bool LymphomaRowAccepts(const LymphomaRow& row, int morphology) {
  for (const MorphologyRange& range : row.morphologies) {
    if (morphology >= range.first && morphology <= range.last) return true;
  }
  return false;
}

bool IsIcdO2MorphologyCode(int morphology) {
  return FindNumberRow(TableOf(IcdO2MorphologyCodes), morphology) != nullptr;
}

ConversionResult Icd10ToIcdO2(const char* codeText, int morphology, int behaviour,
                              ConvertedCodes& out) {
  const std::string_view* row = FindIcd10Rule(codeText, Icd10RuleEdition::kWithMorphology);
  if (row == nullptr) return kInvalidSite;
  if (!IsIcdO2MorphologyCode(morphology)) return kInvalidMorphology;
  if (!(Between(behaviour, 0, 3) || behaviour == 6)) return kInvalidBehaviour;
  const char letter = codeText[0];
  const int nn = Icd10TwoDigits(codeText);
  const int nnn = Icd10ThreeDigits(codeText);
  const char subsite = codeText[3];
  if (!BehaviourFitsCode(behaviour, letter, nn, morphology)) return kInvalidCombination;
  if (behaviour == 6) behaviour = 3;

  int topography = RowNumber(*row, 6, 3);
  ConversionResult result = kConverted;
  switch (RowClass(*row)) {
    case '*':
      topography = nnn;
      [[fallthrough]];
    case ' ':
    case '+':
      if (morphology >= 9590) result = kInvalidCombination;
      break;
    case '1':
      if (!LiverMorphologyFits(subsite, morphology)) result = kInvalidCombination;
      break;
    case '2':
      if (!Between(morphology, 8720, 8790)) result = kInvalidCombination;
      break;
    case '3':
      if (!Between(morphology, 9050, 9055)) result = kInvalidCombination;
      break;
    case '4':
      if (morphology != 9140) result = kInvalidCombination;
      break;
    case '5':
      behaviour = 3;
      break;
    case '8':
      result = kCannotConvert;
      break;
    case '9':
      behaviour = 2;
      if (!BreastInSituFits(subsite, morphology)) result = kInvalidCombination;
      break;
    case 'A':
      if (!Between(morphology, 8850, 8889)) result = kInvalidCombination;
      break;
    case 'B':
      topography = 809;
      if (!Between(morphology, 9120, 9179)) result = kInvalidCombination;
      break;
    case 'C':
      topography = 549;
      if (!Between(morphology, 8890, 8899)) result = kInvalidCombination;
      break;
    case 'E':
      topography = 809;
      if (!Between(morphology, 9766, 9768)) result = kInvalidCombination;
      break;
    case '6':
      behaviour = 3;
      topography = LymphomaTopography(morphology);
      result = LymphomaRule(nnn, morphology);
      break;
    case '7':
      behaviour = 3;
      topography = 421;
      if (letter == 'D') {
        morphology = RowNumber(*row, 5, 4);
        behaviour = 1;
      } else {
        result = LymphomaRule(nnn, morphology);
      }
      break;
    default:
      result = kCannotConvert;
      break;
  }
  if (result != kConverted) return result;
  out.topography = topography;
  out.morphology = morphology;
  out.behaviour = behaviour;
  return kConverted;
}

namespace {

const MessageRule kMessages[] = {
    {kInvalidSexSiteFlag, 0, " (S) Invalid sex/site combination"},
    {kInvalidSexFlag, 0, " (S) Invalid sex code"},
    {kInvalidSiteFlag, kInvalidSite, " (T) Invalid ICD-10 code"},
    {kInvalidBehaviourFlag, kInvalidBehaviour, " (B) Invalid behaviour code"},
    {kInvalidMorphologyFlag, kInvalidMorphology, " (M) Invalid ICD-O-2 (M) code"},
    {0, kInvalidCombination, " (X) Invalid ICD-10/ICD-O-2 combination"},
    {kInvalidGradeFlag, 0, " (G) Invalid grade code"},
    {kAnyFlag, kAnyResult, " (?) Program cannot convert"},
};

}  // namespace

int DorwimConverter::Convert(const RecordCodes& codes, const ConversionRow&,
                             ConvertedCodes* converted) {
  return Icd10ToIcdO2(codes.site, codes.morphology, codes.behaviour, *converted);
}

const StandardStepRules DorwimStepRules = {
    SiteDigitTest::kSecondAndThird,    // site digits
    "CcDd",                            // site letters
    SexSiteBefore::kNone,              // sex/site test before conversion
    &CheckSexSite,                     // sex/site test after conversion
    ConvertedOutput::kCodesWithGrade,  // output
    MakeMessageChain(kMessages),       // messages
};

}  // namespace kelvarin::dorwim
