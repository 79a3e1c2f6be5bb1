#include "tools/convert/caslov/caslovconverter.h"

#include "common/between.h"
#include "tools/check/consistency.h"
#include "tools/convert/older/icd10code.h"

namespace kelvarin::caslov {

namespace {

// The behaviour a D code implies by its range: in situ, benign or
// uncertain; C codes and higher D codes keep `behaviour`.
int DBehaviour(char letter, int nn, int behaviour) {
  if (letter != 'D') return behaviour;
  if (Between(nn, 0, 9)) return 2;
  if (Between(nn, 10, 36)) return 0;
  if (Between(nn, 37, 48)) return 1;
  return behaviour;
}

// D behaviour of the plain rows; in situ takes the in situ carcinoma code.
void ApplyDBehaviour(char letter, int nn, ConvertedCodes& out) {
  out.behaviour = DBehaviour(letter, nn, out.behaviour);
  if (out.behaviour == 2) out.morphology = 8010;
}

// The morphology each subsite of C22 (liver) stands for.
int LiverMorphology(char subsite) {
  switch (subsite) {
    case '0':
      return 8170;
    case '1':
      return 8160;
    case '2':
      return 8970;
    case '3':
      return 9124;
    case '4':
      return 8800;
    case '7':
      return 8010;
    default:
      return 8000;
  }
}

// The topography of a lymphoma code of class '6'.
int LymphomaTopography(int nnn) {
  switch (nnn) {
    case 840:
      return 449;
    case 880:
      return 420;
    case 883:
      return 179;
    case 900:
    case 901:
      return 421;
    default:
      return 779;
  }
}

}  // namespace

ConversionResult Icd10ToIcdO2(const char* codeText, ConvertedCodes& out) {
  const std::string_view* row = FindIcd10Rule(codeText, Icd10RuleEdition::kCodeOnly);
  if (row == nullptr) return kInvalidSite;
  const char letter = codeText[0];
  const int nn = Icd10TwoDigits(codeText);
  const int nnn = Icd10ThreeDigits(codeText);
  const char subsite = codeText[3];

  out.grade = 9;
  out.morphology = 8000;
  out.behaviour = 3;
  out.topography = RowNumber(*row, 6, 3);

  switch (RowClass(*row)) {
    case ' ':
      ApplyDBehaviour(letter, nn, out);
      return kConverted;
    case '*':
      out.topography = nnn;
      return kConverted;
    case '+':
      ApplyDBehaviour(letter, nn, out);
      return kCannotConvert;
    case '1':
      out.morphology = LiverMorphology(subsite);
      if (subsite == '1') out.topography = 221;
      return kConverted;
    case '2':
      out.morphology = 8720;
      out.behaviour = DBehaviour(letter, nn, out.behaviour);
      return kConverted;
    case '3':
      out.morphology = 9050;
      if (letter == 'D') out.behaviour = 0;
      return kConverted;
    case '4':
      out.morphology = 9140;
      return kConverted;
    case '5':
      return kCannotConvert;
    case '6':
      out.morphology = RowNumber(*row, 5, 4);
      out.grade = RowNumber(*row, 10, 1);
      out.topography = LymphomaTopography(nnn);
      return kConverted;
    case '7':
      out.morphology = RowNumber(*row, 5, 4);
      out.grade = RowNumber(*row, 10, 1);
      out.topography = 421;
      return kConverted;
    case '8':
      return kInvalidBehaviour;
    case '9':
      out.behaviour = 2;
      out.morphology = subsite == '0' ? 8520 : subsite == '1' ? 8500 : 8010;
      return subsite == '7' ? kCannotConvert : kConverted;
    case 'A':
      out.morphology = 8850;
      out.behaviour = 0;
      return subsite == '2' ? kCannotConvert : kConverted;
    case 'B':
      out.morphology = RowNumber(*row, 5, 4);
      out.behaviour = RowNumber(*row, 9, 1);
      out.topography = 809;
      return kCannotConvert;
    case 'C':
      out.topography = 549;
      out.morphology = 8890;
      out.behaviour = 0;
      return kConverted;
    default:
      return kInvalidBehaviour;  // no such class in this program's table
  }
}

namespace {

const MessageRule kMessages[] = {
    {kInvalidSexSiteFlag, 0, " (S) Invalid sex/site combination"},
    {kInvalidSexFlag, 0, " (S) Invalid sex code"},
    {kInvalidSiteFlag, kInvalidSite, " (T) Invalid ICD-10 code"},
    {0, kInvalidBehaviour, " (T) Hand review"},
    {kAnyFlag, kAnyResult, " (?)"},
};

}  // namespace

int CaslovConverter::Convert(const RecordCodes& codes, const ConversionRow&,
                             ConvertedCodes* converted) {
  return Icd10ToIcdO2(codes.site, *converted);
}

const StandardStepRules CaslovStepRules = {
    SiteDigitTest::kSecondAndThird,     // site digits
    nullptr,                            // site letters
    SexSiteBefore::kNone,               // sex/site test before conversion
    &CheckSexSite,                      // sex/site test after conversion
    ConvertedOutput::kMarkedForReview,  // output
    MakeMessageChain(kMessages),        // messages
};

}  // namespace kelvarin::caslov
