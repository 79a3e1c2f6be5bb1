#include "frontend/wizards/layoutvariants.h"

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

}  // namespace kelvarin
