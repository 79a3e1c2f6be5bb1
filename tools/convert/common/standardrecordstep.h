// The record step of the six programs that convert to ICD-O-2 (Alquen,
// Bernit, Caslov, Dorwim, Elbrac, Fenzel): read the fields, test sex and site,
// convert when nothing failed, then write the converted record or the record
// with the first message of the program's chain. The program supplies its
// rules as data and its converter.
#pragma once

#include "tools/convert/common/conversionengine.h"
#include "tools/convert/common/conversionfields.h"
#include "tools/convert/common/conversionprogram.h"
#include "tools/convert/common/conversionrecordstep.h"
#include "tools/convert/common/conversionresult.h"
#include "tools/convert/common/messagechain.h"
#include "tools/convert/common/recordline.h"

namespace kelvarin {

// The input codes of one record, as the frame read them.
struct RecordCodes {
  char site[5] = {};   // three site characters and the subsite; tested digits have '0' for blanks
  int morphology = 0;  // programs with a morphology field
  int behaviour = 0;
  char grade = '9';   // the record's grade character; '9' without a grade column
  int sexIndex = -1;  // 0 male, 1 female, -1 neither code
};

// The converted codes a converter sets when it returns kConverted.
struct ConvertedCodes {
  int topography = 0;  // xx·10 + x of the ICD-O-2 topography Cxx.x
  int morphology = 0;
  int behaviour = 0;
  int grade = 9;  // the derived grade digit (the one program that derives it)
};

// The conversion of one program: its tables and rules.
class CodeConverter {
 public:
  virtual ~CodeConverter() = default;
  // A ConversionResult; on kConverted *converted holds the new codes.
  virtual int Convert(const RecordCodes& codes, const ConversionRow& row,
                      ConvertedCodes* converted) = 0;
  // Whether a converted record should also be listed in the warning file.
  virtual bool NeedsReview(const RecordCodes& codes, const ConversionRow& row,
                           const ConvertedCodes& converted) const;
};

// The sex/site test made on the input site before conversion.
enum class SexSiteBefore {
  kNone,
  kIcd9Code,   // the site text's leading three digits ("%3d"), with CheckSexSiteIcd9
  kIcdO1Site,  // the site number ("%4d") divided by 10, with CheckSexSiteIcd9
};

// How a converted record reaches the output.
enum class ConvertedOutput {
  // " C%03d%d%d" and the record's grade character ('9' without a grade
  // column), or the codes in place with optionA; reviewed records also go to
  // the warning file as the same line.
  kCodesWithGrade,
  // A reviewed record first goes to the warning file as the record, two
  // blanks and "C%03d%d%d9" with the converted behaviour as it is; then a
  // behaviour above 3 becomes 3 and " C%03d%d%d9" is appended.
  kReviewLineFirst,
  // " C%03d%d%d%d" with the derived grade digit; a kCannotConvert result is
  // converted all the same, appended as "#C%03d%d%d%d" and counted as a
  // warning (without the sex/site test).
  kMarkedForReview,
};

struct StandardStepRules {
  SiteDigitTest siteDigits;
  const char* siteLetters;  // when not null, the site's first character must be one of these
  SexSiteBefore sexSiteBefore;
  // The sex/site rule on the converted topography / 10 after a kConverted
  // result (failing makes the record an error), or nullptr.
  int (*sexSiteAfter)(int sexIndex, int site);
  ConvertedOutput output;
  MessageChain messages;
};

class StandardRecordStep : public ConversionRecordStep {
 public:
  // program: which fields are read and what optionA replaces.
  StandardRecordStep(const ConversionProgram& program, const StandardStepRules& rules,
                     CodeConverter& converter);

  void ConvertRecord(std::string_view record, const ConversionRow& row,
                     ConversionReports& reports) override;

 private:
  // Reads the fields into codes; returns the record flags.
  unsigned ReadCodes(std::string_view record, const ConversionRow& row, RecordCodes* codes) const;
  void WriteConverted(std::string_view record, const ConversionRow& row, const RecordCodes& codes,
                      ConvertedCodes converted, int result, ConversionReports& reports);

  const ConversionProgram& m_program;
  const StandardStepRules& m_rules;
  CodeConverter& m_converter;
  RecordLine m_line;
};

// The engine of a program on the standard record step, owning its converter.
template <class Converter>
class StandardConversionEngine : public ConversionEngine {
 public:
  StandardConversionEngine(const ConversionProgram& program, const StandardStepRules& rules)
      : ConversionEngine(program, m_step), m_step(program, rules, m_converter) {}

  Converter& converter() { return m_converter; }

 private:
  Converter m_converter;
  StandardRecordStep m_step;
};

}  // namespace kelvarin
