#include "tools/convert/common/standardrecordstep.h"

#include <cstring>

#include "tools/convert/common/outputforms.h"
#include "tools/convert/common/sexsiteicd9.h"

namespace kelvarin {

bool CodeConverter::NeedsReview(const RecordCodes&, const ConversionRow&,
                                const ConvertedCodes&) const {
  return false;
}

StandardRecordStep::StandardRecordStep(const ConversionProgram& program,
                                       const StandardStepRules& rules, CodeConverter& converter)
    : m_program(program), m_rules(rules), m_converter(converter) {}

unsigned StandardRecordStep::ReadCodes(std::string_view record, const ConversionRow& row,
                                       RecordCodes* codes) const {
  unsigned flags = 0;
  if (!ReadSiteText(record, row.topographyStart, row.topographyEnd, m_rules.siteDigits,
                    codes->site))
    flags |= kInvalidSiteFlag;
  if (m_rules.siteLetters != nullptr &&
      (codes->site[0] == '\0' || std::strchr(m_rules.siteLetters, codes->site[0]) == nullptr))
    flags |= kInvalidSiteFlag;
  if (m_program.readsMorphology) {
    if (!ReadMorphology(record, row.histologyStart, &codes->morphology))
      flags |= kInvalidMorphologyFlag;
    if (!ReadBehaviour(record, row.behaviourStart, &codes->behaviour))
      flags |= kInvalidBehaviourFlag;
    if (m_program.readsGrade && !ReadGrade(record, row.gradeStart, &codes->grade))
      flags |= kInvalidGradeFlag;
  }
  codes->sexIndex = SexIndex(record, row.sexStart, row.maleCode, row.femaleCode);
  if (codes->sexIndex < 0) flags |= kInvalidSexFlag;

  // A site text without a leading number never fails the sex/site test.
  int site = 0;
  if (m_rules.sexSiteBefore == SexSiteBefore::kIcd9Code && ScanDecimal(codes->site, 4, 3, &site) &&
      CheckSexSiteIcd9(codes->sexIndex, site))
    flags |= kInvalidSexSiteFlag;
  if (m_rules.sexSiteBefore == SexSiteBefore::kIcdO1Site && ScanDecimal(codes->site, 4, 4, &site) &&
      CheckSexSiteIcd9(codes->sexIndex, site / 10))
    flags |= kInvalidSexSiteFlag;
  return flags;
}

void StandardRecordStep::ConvertRecord(std::string_view record, const ConversionRow& row,
                                       ConversionReports& reports) {
  RecordCodes codes;
  unsigned flags = ReadCodes(record, row, &codes);
  int result = kConverted;
  ConvertedCodes converted;
  if (flags == 0) {
    result = m_converter.Convert(codes, row, &converted);
    if (result == kConverted && m_rules.sexSiteAfter != nullptr &&
        m_rules.sexSiteAfter(codes.sexIndex, converted.topography / 10) != 0)
      flags |= kInvalidSexSiteFlag;
  }
  const bool marked =
      m_rules.output == ConvertedOutput::kMarkedForReview && result == kCannotConvert;
  if (flags == 0 && (result == kConverted || marked)) {
    WriteConverted(record, row, codes, converted, result, reports);
    return;
  }
  m_line.Assign(record);
  m_line.Append(SelectMessage(m_rules.messages, flags, result));
  reports.WriteError(m_line.View());
}

void StandardRecordStep::WriteConverted(std::string_view record, const ConversionRow& row,
                                        const RecordCodes& codes, ConvertedCodes converted,
                                        int result, ConversionReports& reports) {
  m_line.Assign(record);
  switch (m_rules.output) {
    case ConvertedOutput::kCodesWithGrade: {
      if (row.optionA != 0 && m_program.replaceForm != ReplaceForm::kNone)
        ReplaceConvertedCodes(m_program.replaceForm, row, m_line, converted.topography,
                              converted.morphology, converted.behaviour);
      else
        AppendConvertedCodes(m_line, converted.topography, converted.morphology,
                             converted.behaviour, codes.grade);
      reports.WriteOutput(m_line.View());
      if (m_converter.NeedsReview(codes, row, converted)) reports.WriteWarning(m_line.View());
      return;
    }
    case ConvertedOutput::kReviewLineFirst: {
      if (m_converter.NeedsReview(codes, row, converted)) {
        m_line.Append(' ');
        AppendConvertedCodes(m_line, converted.topography, converted.morphology,
                             converted.behaviour, '9');
        reports.WriteWarning(m_line.View());
        m_line.Assign(record);
      }
      if (converted.behaviour > 3) converted.behaviour = 3;
      AppendConvertedCodes(m_line, converted.topography, converted.morphology, converted.behaviour,
                           '9');
      reports.WriteOutput(m_line.View());
      return;
    }
    case ConvertedOutput::kMarkedForReview: {
      const size_t start = m_line.Size();
      AppendConvertedCodes(m_line, converted.topography, converted.morphology, converted.behaviour,
                           static_cast<char>('0' + converted.grade % 10));
      if (result == kCannotConvert) {
        // "#C..." in place of " C...": the record is converted but marked.
        m_line.Overwrite(static_cast<int>(start) + 1, "#");
        reports.WriteOutput(m_line.View());
        reports.CountWarning();
        return;
      }
      reports.WriteOutput(m_line.View());
      return;
    }
  }
}

}  // namespace kelvarin
