#include "tools/convert/jantrik/icdo3toicd10.h"

#include "common/between.h"
#include "tools/convert/common/conversionfields.h"
#include "tools/convert/jantrik/icd10sitelists.h"
#include "tools/convert/jantrik/jantrikbehaviourhistology.h"

#include <cstring>
#include <string_view>

namespace kelvarin {

namespace {

void SetCode(char code[5], const char* text) { std::memcpy(code, text, 4); }

// The number written after the class character of a rule 8 or 9 row, or 0.
int EntryNumber(std::string_view row) {
  int entry = 0;
  const std::string_view rest = row.substr(6);
  ScanDecimal(rest.data(), static_cast<int>(rest.size()), static_cast<int>(rest.size()), &entry);
  return entry;
}

// The fixed codes of malignant liver tumours by morphology; nullptr keeps the
// code the row's rule gave.
const char* LiverCode(int morphology) {
  switch (morphology) {
    case 8970:
      return "C222";
    case 8140:
    case 8141:
    case 8160:
    case 8161:
    case 8162:
    case 8260:
    case 8440:
    case 8480:
    case 8481:
    case 8490:
    case 8500:
    case 8550:
    case 8560:
      return "C221";
    case 8170:
    case 8171:
      return "C220";
    case 8000:
      return "C229";
  }
  if (Between(morphology, 9120, 9133) || morphology == 9161) return "C223";
  if (morphology < 8800) return "C227";
  if (morphology <= 9589) return "C224";
  return nullptr;
}

// Rule 7: the code written in the row, with the fixed exceptions for some
// morphologies on named sites (siteColumns: the topography's row of ICD-10
// columns); the row's mark character (its terminator when the row ends after
// the code) becomes the review mark.
void CodeFromRow(std::string_view row, int morphology, char behaviour, int topography,
                 std::string_view siteColumns, int sexIndex, Icd10Conversion* result) {
  std::memcpy(result->code, row.data() + 6, 4);
  if (morphology == 8930 && behaviour == '3') {
    if (sexIndex == 0)
      CopySiteColumn(siteColumns, 1, result->code);
    else if (topography == 540)
      SetCode(result->code, "C540");
  }
  if (Between(morphology, 8160, 8162) && behaviour == '3' && topography == 240)
    SetCode(result->code, "C240");
  if (morphology == 9699 &&
      (topography == 420 || topography == 421 || topography == 424 || topography / 10 == 77))
    SetCode(result->code, "C830");
  if (result->reviewMark == ' ') result->reviewMark = row.size() > 10 ? row[10] : '\0';
}

}  // namespace

void IcdO3ToIcd10(const char topography[3], const char key[5], int sexIndex,
                  Icd10Conversion* result) {
  SetCode(result->code, "????");
  result->code[4] = '\0';
  // The topography's row, found once for every rule that reads a column.
  const std::string_view siteColumns = FindSiteColumns(topography);
  if (siteColumns.empty()) {
    result->errorMark = 't';
    return;
  }
  int site = 0;
  ScanDecimal(topography, 3, 3, &site);

  char search[5];
  std::memcpy(search, key, 5);
  if (search[4] > '3' && search[4] <= '9') {
    search[4] = '3';
    result->reviewMark = 'b';
  }
  const std::string_view row = FindJantrikBehaviourHistologyRow(std::string_view(search, 5));
  if (row.empty()) {
    result->errorMark = 'm';
    return;
  }
  int morphology = 0;
  ScanDecimal(search, 4, 4, &morphology);
  const char behaviour = search[4];

  // The class: a digit is the rule; a letter is the rule + 'D' and marks the
  // combination as unlikely.
  int rule = row[5] - '0';
  if (row[5] > ':') {
    rule = row[5] - 'D';
    result->reviewMark = 'b';
  }
  if (rule >= 1 && rule <= 5) {
    CopySiteColumn(siteColumns, rule, result->code);
  } else if (rule == 7) {
    CodeFromRow(row, morphology, behaviour, site, siteColumns, sexIndex, result);
  } else if (rule == 8) {
    const int entry = EntryNumber(row);
    if (entry == 185 && site == 300) {
      SetCode(result->code, "D140");
      return;
    }
    if (entry == 415 && (site == 300 || site == 323)) {
      result->code[0] = 'C';
      std::memcpy(result->code + 1, topography, 3);
      return;
    }
    LookupSiteGroup(entry, topography, result->code, &result->reviewMark);
  } else if (rule == 9) {
    LookupSexSplit(EntryNumber(row), topography, sexIndex, result->code);
  }

  ApplyFixedCodes(topography, morphology, behaviour, result->code);
}

void ApplyFixedCodes(const char topography[3], int morphology, char behaviour, char code[4]) {
  if (topography[0] == '2' && topography[1] == '2' && behaviour == '3') {
    if (const char* liver = LiverCode(morphology)) std::memcpy(code, liver, 4);
  }
  if (std::memcmp(code, "D218", 4) == 0) std::memcpy(code, "D219", 4);
}

}  // namespace kelvarin
