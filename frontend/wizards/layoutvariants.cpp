#include "frontend/wizards/layoutvariants.h"

#include <algorithm>

namespace kelvarin {

namespace {

const char* const kSexWidth = "\nSex field must have one character only!";
const char* const kTopographyNarrow = "\nTopography field should have at least three characters!";
const char* const kTopographyWide = "\nTopography field should not more than five characters!";
const char* const kHistologyWidth = "\nHistology field must have four characters!";
const char* const kBehaviourWidth = "\nBehaviour field must have one character only!";
const char* const kDateNarrow = "\nDate field must not have at least two characters!";
const char* const kDateWide = "\nDate field must not have more than ten characters!";
const char* const kFirstClickOverlap = "\nLayout definition for \n%s:%d\noverlaps with %s.";

}  // namespace

const std::array<VariableField, kCheckLayoutVariables> kCheckVariableFields = {{
    {&JobSettings::regNoStart, &JobSettings::regNoEnd},
    {&JobSettings::sexStart, &JobSettings::sexEnd},
    {&JobSettings::topographyStart, &JobSettings::topographyEnd},
    {&JobSettings::histologyStart, &JobSettings::histologyEnd},
    {&JobSettings::behaviourStart, &JobSettings::behaviourEnd},
    {&JobSettings::gradeStart, &JobSettings::gradeEnd},
    {&JobSettings::basisStart, &JobSettings::basisEnd},
    {&JobSettings::incidenceDateStart, &JobSettings::incidenceDateEnd},
    {&JobSettings::birthDateStart, &JobSettings::birthDateEnd},
    {&JobSettings::ageStart, &JobSettings::ageEnd},
}};

const std::array<VariableField, kMultiplePrimaryLayoutVariables> kMultiplePrimaryVariableFields = {{
    {&JobSettings::regNoStart, &JobSettings::regNoEnd},
    {&JobSettings::seqNoStart, &JobSettings::seqNoEnd},
    {&JobSettings::sexStart, &JobSettings::sexEnd},
    {&JobSettings::topographyStart, &JobSettings::topographyEnd},
    {&JobSettings::histologyStart, &JobSettings::histologyEnd},
    {&JobSettings::behaviourStart, &JobSettings::behaviourEnd},
    {&JobSettings::incidenceDateStart, &JobSettings::incidenceDateEnd},
}};

const LayoutRules& CheckLayoutRules() {
  static const LayoutRules rules{
      {
          {"Registration number", 0, 0, nullptr, nullptr, false},
          {"Sex", 1, 1, kSexWidth, kSexWidth, false},
          {"Topography (ICDO-3)", 3, 5, kTopographyNarrow, kTopographyWide, false},
          {"Histology (ICDO-3)", 4, 4, kHistologyWidth, kHistologyWidth, false},
          {"Behaviour (ICDO-3)", 1, 1, kBehaviourWidth, kBehaviourWidth, false},
          {"Grade (ICDO-3)", 1, 1, "\nGrade field must have one character only!",
           "\nGrade field must have one character only!", false},
          {"Basis of diagnosis", 1, 1, "\nBasis of diagnosis field must have one character only!",
           "\nBasis of diagnosis field must have one character only!", false},
          {"Incidence date", 2, 10, kDateNarrow, kDateWide, false},
          {"Birth date", 2, 10, kDateNarrow, kDateWide, false},
          {"Age", 2, 3, "\nAge field must have two or three characters!",
           "\nAge field must have two or three characters!", false},
      },
      {
          {PresenceRule::kAnyOf,
           Variables({kCheckSex, kCheckTopography, kCheckHistology, kCheckBehaviour, kCheckGrade,
                      kCheckBasis, kCheckIncidenceDate, kCheckBirthDate, kCheckAge}),
           "\nAt least one variable must be defined!"},
          {PresenceRule::kAllOf, Variables({kCheckRegNo}),
           "\nRegistration number must be defined!"},
      },
      {
          {kCheckGrade, kCheckHistology, "\nHistology must be defined to check the grade code!"},
          {kCheckBehaviour, kCheckHistology,
           "\nHistology must be defined to check the behaviour code!"},
          {kCheckBasis, kCheckHistology,
           "\nHistology must be defined to check the basis of diagnosis code!"},
      },
      kFirstClickOverlap,
  };
  return rules;
}

const LayoutRules& MultiplePrimaryLayoutRules() {
  static const LayoutRules rules{
      {
          {"Patient ID", 0, 30, nullptr, "\nPatient Identification must not exceed 30 characters!",
           true},
          {"Sequence number", 0, 0, nullptr, nullptr, false},
          {"Sex", 1, 1, kSexWidth, kSexWidth, false},
          {"Topography (ICDO-3)", 3, 5, kTopographyNarrow, kTopographyWide, false},
          {"Histology (ICDO-3)", 4, 4, kHistologyWidth, kHistologyWidth, false},
          {"Behaviour (ICDO-3)", 1, 1, kBehaviourWidth, kBehaviourWidth, false},
          {"Incidence date", 2, 10, kDateNarrow, kDateWide, false},
      },
      {
          {PresenceRule::kAllOf, Variables({0, 2, 3, 4, 5, 6}),
           "\nPositions of all variables (but sequence number) must be defined!"},
      },
      {},
      kFirstClickOverlap,
  };
  return rules;
}

std::vector<int32_t> PairsOf(const JobSettings& job, const VariableField* fields, int count) {
  std::vector<int32_t> pairs;
  for (int v = 0; v < count; ++v) {
    pairs.push_back(job.*(fields[v].first));
    pairs.push_back(job.*(fields[v].last));
  }
  return pairs;
}

bool IsAgeUnknownCode(const std::string& text) {
  return !text.empty() && text.size() <= 3 &&
         std::all_of(text.begin(), text.end(), IsCodeCharacter);
}

CheckLayoutRecord CheckLayoutOf(const JobSettings& job) {
  CheckLayoutRecord record;
  const std::vector<int32_t> pairs =
      PairsOf(job, kCheckVariableFields.data(), kCheckLayoutVariables);
  std::copy(pairs.begin(), pairs.end(), record.positions.begin());
  record.incidenceDateFormat = job.incidenceDateFormat;
  record.birthDateFormat = job.birthDateFormat;
  record.maleCode = job.maleCode;
  record.femaleCode = job.femaleCode;
  record.microscopicCodes = job.microscopicCodes;
  record.ageUnknownCode.fill('\0');
  std::copy_n(job.ageUnknownCode.begin(), std::min<size_t>(job.ageUnknownCode.size(), 3),
              record.ageUnknownCode.begin());
  return record;
}

MultiplePrimaryLayoutRecord MultiplePrimaryLayoutOf(const JobSettings& job) {
  MultiplePrimaryLayoutRecord record;
  const std::vector<int32_t> pairs =
      PairsOf(job, kMultiplePrimaryVariableFields.data(), kMultiplePrimaryLayoutVariables);
  std::copy(pairs.begin(), pairs.end(), record.positions.begin());
  record.incidenceDateFormat = job.incidenceDateFormat;
  record.maleCode = job.maleCode;
  record.femaleCode = job.femaleCode;
  return record;
}

void TakeCheckLayoutCodes(const CheckLayoutRecord& record, JobSettings& job) {
  job.incidenceDateFormat = record.incidenceDateFormat;
  job.birthDateFormat = record.birthDateFormat;
  if (IsCodeCharacter(record.maleCode)) job.maleCode = record.maleCode;
  if (IsCodeCharacter(record.femaleCode)) job.femaleCode = record.femaleCode;
  for (size_t i = 0; i < job.microscopicCodes.size(); ++i)
    if (IsCodeCharacter(record.microscopicCodes[i]))
      job.microscopicCodes[i] = record.microscopicCodes[i];
  const auto text = record.ageUnknownCode;
  const std::string age(
      text.data(), static_cast<size_t>(std::find(text.begin(), text.end(), '\0') - text.begin()));
  if (IsAgeUnknownCode(age)) job.ageUnknownCode = age;
}

void TakeMultiplePrimaryLayoutCodes(const MultiplePrimaryLayoutRecord& record, JobSettings& job) {
  job.incidenceDateFormat = record.incidenceDateFormat;
  if (IsCodeCharacter(record.maleCode)) job.maleCode = record.maleCode;
  if (IsCodeCharacter(record.femaleCode)) job.femaleCode = record.femaleCode;
}

}  // namespace kelvarin
