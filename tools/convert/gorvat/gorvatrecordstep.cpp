#include "tools/convert/gorvat/gorvatrecordstep.h"

#include "common/dateformats.h"
#include "tools/check/consistency.h"
#include "tools/convert/common/outputforms.h"
#include "tools/convert/gorvat/icdo2toicdo3.h"

namespace kelvarin {

namespace {

const MessageRule kGorvatMessages[] = {
    {kInvalidSexSiteFlag, 0, " (S) Invalid sex/site combination"},
    {kInvalidSexFlag, 0, " (S) Invalid sex code"},
    {kInvalidBehaviourFlag, kIcdO2InvalidBehaviour, " (B) Invalid behaviour code"},
    {kInvalidGradeFlag, 0, " (G) Invalid grade code"},
    {kInvalidSiteFlag, kIcdO2InvalidSite, " (T) Invalid ICDO-2 (T) code"},
    {kInvalidMorphologyFlag, kIcdO2InvalidCode, " (M) Invalid ICDO-2 (M) code"},
    {0, kIcdO2DeletedCode, " (M) The ICDO-2 (M) code has been deleted"},
    {kAnyFlag, kAnyResult, " (?)"},
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const MessageChain GorvatMessages = MakeMessageChain(kGorvatMessages);

void GorvatRecordStep::ConvertRecord(std::string_view record, const ConversionRow& row,
                                     ConversionReports& reports) {
  unsigned flags = 0;
  char reviewMark = ' ';

  // Topography: C and three digits, or the digits alone until the first code
  // with the C; blanks count as '0' beside a digit. A code without any digit
  // (all blanks) or in which no number is found is invalid and takes no part
  // in the sex/site test.
  char site[4];
  m_topography.Read(record, row.topographyStart, row.topographyEnd, site);
  if (m_topography.MissingPrefix()) reviewMark = 'C';
  const bool anyDigit = HasDigit(site, 3);
  if (IsAllDigits(site, 3) != 0) flags |= kInvalidSiteFlag;
  int topography = 0;
  const bool siteNumber = anyDigit && ScanDecimal(site, 3, 3, &topography);
  if (!siteNumber) flags |= kInvalidSiteFlag;

  // Morphology and behaviour make the 5-digit input code.
  char code[6];
  for (int i = 0; i < 4; ++i) code[i] = ColumnChar(record, row.histologyStart + i);
  if (IsAllDigits(code, 4) != 0) flags |= kInvalidMorphologyFlag;
  code[4] = ColumnChar(record, row.behaviourStart);
  code[5] = '\0';
  if (!IsDigit(code[4])) flags |= kInvalidBehaviourFlag;
  int inputCode = 0;
  ScanDecimal(code, 5, 5, &inputCode);

  char grade = '9';
  if (!ReadGrade(record, row.gradeStart, &grade)) flags |= kInvalidGradeFlag;
  const int sexIndex = SexIndex(record, row.sexStart, row.maleCode, row.femaleCode);
  if (sexIndex < 0) flags |= kInvalidSexFlag;

  int result = 0;
  if (siteNumber && CheckSexSite(sexIndex, topography / 10) != 0)
    flags |= kInvalidSexSiteFlag;
  else if (reviewMark == 'C')
    flags |= kInvalidSiteFlag;
  else if (flags == 0)
    result = IcdO2ToIcdO3(topography, inputCode, &reviewMark);

  m_line.Assign(record);
  if (result <= 0) {
    m_line.Append(SelectMessage(GorvatMessages, flags, result));
    reports.WriteError(m_line.View());
    return;
  }
  if (row.optionA != 0) {
    ReplaceConvertedCodes(ReplaceForm::kMorphologyAndCodes, row, m_line, topography, result / 10,
                          result % 10);
  } else {
    m_line.Append(" C");
    m_line.AppendNumber(topography, 3, '0');
    m_line.AppendNumber(result, 5, ' ');
    m_line.Append(grade);
  }
  reports.WriteOutput(m_line.View());
  if (reviewMark != ' ') reports.WriteWarning(m_line.View());
}

}  // namespace kelvarin
