#include "tools/check/recordcheck.h"

#include "common/dateformats.h"
#include "tools/check/agesitehistology.h"
#include "tools/check/consistency.h"
#include "tools/check/validitychecks.h"

namespace kelvarin {

bool RecordFindings::AnyError() const {
  for (bool error : errors)
    if (error) return true;
  return false;
}

bool RecordFindings::AnyWarning() const {
  for (int warning : warnings)
    if (warning != 0) return true;
  return false;
}

bool RecordCheck::Configure(const CheckRow& row, int today, std::string* error) {
  m_row = row;
  m_today = today;
  m_topographyPrefix = false;
  if (row.ageUnknownCode.size() > static_cast<std::size_t>(kMaxAgeUnknownCodeLength)) {
    *error = "the age-unknown code \"" + row.ageUnknownCode + "\" is longer than " +
             std::to_string(kMaxAgeUnknownCodeLength) + " characters";
    return false;
  }
  return ResolveDateFormat("incidence date", row.incidenceDateStart, row.incidenceDateEnd,
                           row.incidenceDateFormat, &m_incidenceDatePosition, error) &&
         ResolveDateFormat("birth date", row.birthDateStart, row.birthDateEnd, row.birthDateFormat,
                           &m_birthDatePosition, error);
}

bool RecordCheck::AppendsAge() const {
  return m_row.incidenceDateStart > 0 && m_row.birthDateStart > 0 && m_row.ageStart < 0;
}

void RecordCheck::Check(std::string_view record, long long recordsRead, RecordFindings* f) {
  const CheckRow& r = m_row;
  *f = RecordFindings{};

  const CodeValue sex = CheckSexCode(record, r.sexStart, r.maleCode, r.femaleCode);
  f->sex = sex.value;
  f->errors[kSexCodeError] = sex.error;

  const CodeValue topography = CheckTopographyCode(record, r.topographyStart, r.topographyEnd,
                                                   m_topographyPrefix, recordsRead);
  f->topography = topography.value;
  f->errors[kTopographyCodeError] = topography.error;

  const CodeValue morphology = CheckMorphologyCode(record, r.histologyStart);
  f->morphology = morphology.value;
  f->errors[kMorphologyCodeError] = morphology.error;

  const CodeValue behaviour = CheckBehaviourCode(record, r.behaviourStart);
  f->behaviour = behaviour.value;
  f->errors[kBehaviourCodeError] = behaviour.error;

  const CodeValue grade = CheckGradeCode(record, r.gradeStart);
  f->grade = grade.value;
  f->errors[kGradeCodeError] = grade.error;

  f->basis = ReadBasisOfDiagnosis(record, r.basisStart, r.microscopicCodes.data());

  const AgeValue age = CheckAgeField(record, r.ageStart, r.ageEnd, r.ageUnknownCode);
  f->age = age.age;
  f->ageFlag = age.flag;

  CheckDateFields(record, f);
  CheckConsistency(f);
  f->errors[kAgeError] = f->ageFlag != kAgeValid;
}

void RecordCheck::CheckDateFields(std::string_view record, RecordFindings* f) const {
  const CheckRow& r = m_row;
  if (r.incidenceDateStart > 0) {
    const char* field = record.data() + (r.incidenceDateStart - 1);
    const DateResult result =
        ParseDate(field, m_incidenceDatePosition, kIncidenceDate, &f->incidenceDate);
    f->errors[kIncidenceDateError] = result != kDateValid || f->incidenceDate > m_today;
  }
  if (r.birthDateStart > 0) {
    const char* field = record.data() + (r.birthDateStart - 1);
    const DateResult result = ParseDate(field, m_birthDatePosition, kBirthDate, &f->birthDate);
    if (result == kDateNotStated)
      f->birthDateState = kBirthDateNotStated;
    else if (result == kDateInvalid || f->birthDate > m_today)
      f->birthDateState = kBirthDateInvalid;
    f->errors[kBirthDateError] = f->birthDateState == kBirthDateInvalid;
  }
}

void RecordCheck::CheckConsistency(RecordFindings* f) const {
  const CheckRow& r = m_row;
  const bool sex = r.sexStart > 0 && !f->errors[kSexCodeError];
  const bool topography = r.topographyStart > 0 && !f->errors[kTopographyCodeError];
  const bool morphology = r.histologyStart > 0 && !f->errors[kMorphologyCodeError];
  const bool behaviour = r.behaviourStart > 0 && !f->errors[kBehaviourCodeError];
  const bool grade = r.gradeStart > 0 && !f->errors[kGradeCodeError];

  if (sex && topography) f->errors[kSexSiteError] = CheckSexSite(f->sex, f->topography / 10) != 0;
  if (sex && morphology)
    f->warnings[kSexHistologyWarning] = CheckSexHistology(f->sex, f->morphology);
  if (topography && morphology) {
    const int group = CheckHistologySite(f->topography, f->morphology, 0);
    f->warnings[kHistologySiteWarning] = group > 0 ? group : 0;
  }
  // The basis rule takes the topography as it stands, also when absent or invalid.
  if (r.basisStart > 0 && morphology)
    f->warnings[kBasisHistologyWarning] =
        CheckBasisHistology(f->basis, f->morphology, f->topography);
  if (behaviour && topography)
    f->warnings[kBehaviourSiteWarning] = CheckBehaviourSite(f->topography, f->behaviour);
  if (behaviour && morphology)
    f->warnings[kBehaviourHistologyWarning] = CheckBehaviourHistology(f->morphology, f->behaviour);
  if (grade && behaviour && morphology)
    f->warnings[kGradeHistologyWarning] =
        CheckGradeHistology(f->morphology, f->behaviour, f->grade);

  if (r.incidenceDateStart > 0 && r.birthDateStart > 0)
    f->errors[kBeforeBirthError] =
        CheckDates(f->incidenceDate, f->errors[kIncidenceDateError], f->birthDate,
                   f->birthDateState, r.ageStart, f->age, f->ageFlag) != 0;

  if (topography && f->age != kUnstatedAge && f->ageFlag == kAgeValid)
    f->warnings[kAgeSiteHistologyWarning] = CheckAgeSiteHistology(
        f->age, f->topography, morphology ? f->morphology : kAbsentMorphology);
}

}  // namespace kelvarin
