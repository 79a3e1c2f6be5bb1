// The work of the check program on one record of the right length: the
// validity checks, the dates, the consistency rules and the age/site/
// histology check, called in their fixed order and under their conditions.
// Reports nothing itself; the engine writes what it finds.
#pragma once

#include <string>
#include <string_view>

#include "common/parameterfile.h"

namespace kelvarin {

// Error kinds of a record of the right length, in the order of the
// one-line-per-error form.
enum CheckErrorKind {
  kSexCodeError,
  kTopographyCodeError,
  kSexSiteError,
  kMorphologyCodeError,
  kBehaviourCodeError,
  kGradeCodeError,
  kBirthDateError,
  kIncidenceDateError,
  kAgeError,
  kBeforeBirthError,
  kCheckErrorKindCount
};

// Warning kinds, in the order of the warning-file lines.
enum CheckWarningKind {
  kHistologySiteWarning,
  kSexHistologyWarning,
  kBehaviourSiteWarning,
  kBehaviourHistologyWarning,
  kBasisHistologyWarning,
  kGradeHistologyWarning,
  kAgeSiteHistologyWarning,
  kCheckWarningKindCount
};

// What the check found in one record, and the values it decoded.
struct RecordFindings {
  bool errors[kCheckErrorKindCount];
  // Nonzero for a warning found; the histology/site warning holds the
  // histology group number.
  int warnings[kCheckWarningKindCount];
  int ageFlag;         // 0, 1 not digits, 2 out of range, 3 disagrees with the dates
  int birthDateState;  // 0 valid or not examined, 1 invalid, -1 not stated
  int sex, topography, morphology, behaviour, grade, basis, age;
  int incidenceDate, birthDate;  // YYYYMMDD; 0 when not read

  bool AnyError() const;
  bool AnyWarning() const;
};

class RecordCheck {
 public:
  // Takes the row of a run and today's date (YYYYMMDD). False, with *error
  // saying why, when the row cannot be checked with: a date format index
  // with no layout of the date field's width, or an age-unknown code longer
  // than three characters.
  bool Configure(const CheckRow& row, int today, std::string* error);

  // Checks one record. recordsRead counts the records read before it (the
  // first record of the file decides whether topography codes carry a C).
  void Check(std::string_view record, long long recordsRead, RecordFindings* findings);

  // Whether clean records are written with the age computed from the dates.
  bool AppendsAge() const;
  bool topographyPrefix() const { return m_topographyPrefix; }

 private:
  void CheckDateFields(std::string_view record, RecordFindings* f) const;
  void CheckConsistency(RecordFindings* f) const;

  CheckRow m_row;
  int m_incidenceDatePosition = -1;
  int m_birthDatePosition = -1;
  int m_today = 0;
  bool m_topographyPrefix = false;
};

}  // namespace kelvarin
