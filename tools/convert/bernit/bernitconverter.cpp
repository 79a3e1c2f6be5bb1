#include "tools/convert/bernit/bernitconverter.h"

#include "common/between.h"
#include "tools/convert/older/icd9code.h"
#include "tools/convert/older/icdo1converter.h"

namespace kelvarin::bernit {

namespace {

// The code-number ranges each behaviour belongs to.
bool BehaviourFitsCode(int behaviour, int code) {
  switch (behaviour) {
    case 0:
      return Between(code, 2100, 2299);
    case 1:
      return code >= 2350;
    case 2:
      return Between(code, 2300, 2349);
    case 3:
      return code <= 2089 && code != 1552 && !Between(code, 1959, 1989);
    default:
      return code == 1552 || Between(code, 1958, 2089);  // 6 and 9
  }
}

bool NotHaematopoietic(int morphology) { return morphology <= 9589 || morphology == 9990; }

bool UnspecifiedMorphology(int morphology) { return morphology == 8000 || morphology == 9990; }

// Lymphomas (class '4'): checks the morphology against the code; -4 when
// they disagree. May replace an unspecified morphology and sets the site.
ConversionResult LymphomaRule(int code, int rowMorphology, int& morphology, int& site) {
  if (UnspecifiedMorphology(morphology)) {
    morphology = rowMorphology;
  } else if (morphology == 9940) {
    if (code != 2024) return kInvalidCombination;
  } else {
    if (!(Between(morphology, 9590, 9649) || Between(morphology, 9690, 9799)) || morphology == 9731)
      return kInvalidCombination;
    if ((morphology == 9722 && code != 2025) || (morphology == 9740 && code != 2026))
      return kInvalidCombination;
  }
  if ((code == 2002 && morphology != 9750) || (code == 2021 && morphology != 9700) ||
      (code == 2022 && morphology != 9701))
    return kInvalidCombination;
  site = morphology == 9940 ? 1691 : morphology == 9700 ? 1739 : 1999;
  return kConverted;
}

// Hodgkin's disease (class '5').
ConversionResult HodgkinRule(int code, int rowMorphology, int& morphology) {
  if (UnspecifiedMorphology(morphology)) {
    morphology = rowMorphology;
    return kConverted;
  }
  if (!Between(morphology, 9650, 9689)) return kInvalidCombination;
  bool fits = true;
  switch (code) {
    case 2010:
      fits = morphology == 9660;
      break;
    case 2011:
      fits = morphology == 9661;
      break;
    case 2012:
      fits = morphology == 9662;
      break;
    case 2014:
      fits = morphology == 9651;
      break;
    case 2015:
      fits = morphology == 9656 || morphology == 9657;
      break;
    case 2016:
      fits = morphology == 9652;
      break;
    case 2019:
      fits = morphology == 9650;
      break;
    default:
      break;
  }
  return fits ? kConverted : kInvalidCombination;
}

// The morphology a code of class '6' asks for, or true when it asks for none.
bool LeukaemiaCodeFits(int code, int morphology) {
  switch (code) {
    case 2031:
      return morphology == 9830;
    case 2038:
      return morphology == 9731;
    case 2040:
      return morphology == 9821;
    case 2041:
      return morphology == 9823;
    case 2042:
      return morphology == 9822;
    case 2048:
      return Between(morphology, 9820, 9829);
    case 2049:
      return morphology == 9820 || morphology == 9825;
    case 2050:
      return morphology == 9861 || morphology == 9866;
    case 2051:
      return morphology == 9863 || morphology == 9865 || morphology == 9870 || morphology == 9880;
    case 2052:
      return morphology == 9862;
    case 2053:
      return morphology == 9930;
    case 2058:
      return Between(morphology, 9860, 9869);
    case 2059:
      return morphology == 9860;
    case 2060:
      return morphology == 9891;
    case 2061:
      return morphology == 9893;
    case 2062:
      return morphology == 9892;
    case 2068:
      return morphology == 9894;
    case 2069:
      return morphology == 9890;
    default:
      return true;
  }
}

// The code a morphology of class '6' asks for: 0 for none (any code of the
// class), -1 for a morphology the class does not take.
int LeukaemiaMorphologyCode(int morphology) {
  switch (morphology) {
    case 9731:
      return 2038;
    case 9800:
      return 2089;
    case 9801:
      return 2080;
    case 9802:
      return 2082;
    case 9803:
      return 2081;
    case 9830:
      return 2031;
    case 9840:
    case 9841:
      return 2070;
    case 9842:
      return 2071;
    case 9850:
    case 9900:
      return 2078;
    case 9910:
      return 2072;
    default:
      return Between(morphology, 9804, 9930) ? 0 : -1;
  }
}

// Multiple myeloma and the leukaemias (class '6').
ConversionResult LeukaemiaRule(int code, int rowMorphology, int& morphology) {
  if (UnspecifiedMorphology(morphology)) {
    morphology = rowMorphology;
    return kConverted;
  }
  if (morphology == 9730) return code == 2030 ? kConverted : kInvalidCombination;
  const int wanted = LeukaemiaMorphologyCode(morphology);
  if (wanted < 0 || (wanted > 0 && wanted != code)) return kInvalidCombination;
  if (code == 2030 || !LeukaemiaCodeFits(code, morphology)) return kInvalidCombination;
  return kConverted;
}

// Codes that take one morphology and a benign or uncertain behaviour; their
// site is fixed. -1 when the code is not one of them.
int SpecialCodeSite(int code, int morphology, int behaviour, bool& fits) {
  const bool benignOrUncertain = behaviour == 0 || behaviour == 1;
  switch (code) {
    case 2377:
      fits = morphology == 9540 && benignOrUncertain;
      return 1999;
    case 2384:
      fits = morphology == 9950 && benignOrUncertain;
      return 1999;
    case 2385:
      fits = (morphology == 9740 || morphology == 9741) && benignOrUncertain;
      return 1999;
    case 2386:
      fits = morphology == 9731 && benignOrUncertain;
      return 1999;
    case 2733:
      fits = morphology == 9761 && behaviour == 1;
      return 1690;
    default:
      return -1;
  }
}

}  // namespace

bool IsIcdO1MorphologyCode(int morphology) {
  if (morphology == 9761) return true;
  if (morphology == 9634 || morphology < 0 || morphology > 9999) return false;
  return FindNumberRow(TableOf(IcdO1MorphologyTable), morphology) != nullptr;
}

ConversionResult Icd9ToIcdO1(const char* codeText, int morphology, int behaviour, int sexIndex,
                             bool optionB, ConvertedCodes& out) {
  const std::string_view* row = FindIcd9Rule(codeText);
  if (row == nullptr) return kInvalidSite;
  if (!IsIcdO1MorphologyCode(morphology)) return kInvalidMorphology;
  if (!(Between(behaviour, 0, 3) || behaviour == 6 || behaviour == 9)) return kInvalidBehaviour;
  const int code = Icd9CodeNumber(codeText);
  if (!BehaviourFitsCode(behaviour, code)) return kInvalidCombination;

  int site = 0;
  bool specialFits = false;
  const int specialSite = SpecialCodeSite(code, morphology, behaviour, specialFits);
  if (specialSite >= 0) {
    if (!specialFits) return kInvalidCombination;
    site = specialSite;
  } else {
    ConversionResult ruled = kConverted;
    site = Icd9RowSite(*row, code, sexIndex);
    switch (RowClass(*row)) {
      case ' ':
      case '0':
        break;
      case '*':
        if (!(behaviour == 3 && NotHaematopoietic(morphology)) &&
            !(behaviour == 3 && morphology == 9710 && code / 10 == 191))
          ruled = kInvalidCombination;
        break;
      case '1':
        if (behaviour != 9 || !NotHaematopoietic(morphology)) ruled = kInvalidCombination;
        site = 1550;
        behaviour = 9;
        break;
      case '2':
        site = code + 10;
        if (UnspecifiedMorphology(morphology))
          morphology = 8720;
        else if (!Between(morphology, 8720, 8790))
          ruled = kInvalidCombination;
        break;
      case '3':
        if (behaviour != 6 || !NotHaematopoietic(morphology)) ruled = kInvalidCombination;
        site = 1999;
        break;
      case '4':
        ruled = behaviour >= 3 ? LymphomaRule(code, RowNumber(*row, 5, 4), morphology, site)
                               : kInvalidCombination;
        behaviour = 3;
        break;
      case '5':
        ruled = behaviour >= 3 ? HodgkinRule(code, RowNumber(*row, 5, 4), morphology)
                               : kInvalidCombination;
        site = 1999;
        behaviour = 3;
        break;
      case '6':
        ruled = behaviour >= 3 ? LeukaemiaRule(code, RowNumber(*row, 5, 4), morphology)
                               : kInvalidCombination;
        site = 1691;
        behaviour = 3;
        break;
      case '7':
        if (behaviour < 4) ruled = kInvalidCombination;
        site = 1999;
        break;
      case '8':
        if (!(Between(morphology, 9960, 9962) || morphology == 9970)) ruled = kInvalidCombination;
        break;
      default:
        ruled = kCannotConvert;
        break;
    }
    if (ruled != kConverted) return ruled;
  }
  return ConvertCodes(site, morphology, behaviour, kBernitCore, optionB, out);
}

namespace {

const MessageRule kMessages[] = {
    {kInvalidSexSiteFlag, 0, " (S) Invalid sex/site combination"},
    {kInvalidSexFlag, 0, " (S) Invalid sex code"},
    {kInvalidSiteFlag, kInvalidSite, " (T) Invalid ICD-9 code"},
    {kInvalidBehaviourFlag, kInvalidBehaviour, " (B) Invalid behaviour code"},
    {kInvalidMorphologyFlag, kInvalidMorphology, " (M) Invalid ICD-O-1 (M) code"},
    {0, kInvalidCombination, " (X) Invalid ICD-9/ICD-O-1 combination"},
    {kInvalidGradeFlag, 0, " (G) Invalid grade code"},
    {kAnyFlag, kAnyResult, " (?)"},
};

}  // namespace

int BernitConverter::Convert(const RecordCodes& codes, const ConversionRow& row,
                             ConvertedCodes* converted) {
  return Icd9ToIcdO1(codes.site, codes.morphology, codes.behaviour, codes.sexIndex,
                     row.optionB != 0, *converted);
}

bool BernitConverter::NeedsReview(const RecordCodes& codes, const ConversionRow& row,
                                  const ConvertedCodes&) const {
  return NeedsIcdO1Review(Icd9CodeNumber(codes.site), codes.morphology, codes.behaviour,
                          row.optionB != 0);
}

const StandardStepRules BernitStepRules = {
    SiteDigitTest::kFirstThree,        // site digits
    nullptr,                           // site letters
    SexSiteBefore::kIcd9Code,          // sex/site test before conversion
    nullptr,                           // sex/site test after conversion
    ConvertedOutput::kCodesWithGrade,  // output
    MakeMessageChain(kMessages),       // messages
};

}  // namespace kelvarin::bernit
