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
const char* const kGradeWidth = "\nGrade field must have one character only!";

}  // namespace

const LayoutRules& CheckLayoutRules() {
  static const LayoutRules rules{
      {
          {"Registration number", 0, 0, nullptr, nullptr, false},
          {"Sex", 1, 1, kSexWidth, kSexWidth, false},
          {"Topography (ICDO-3)", 3, 5, kTopographyNarrow, kTopographyWide, false},
          {"Histology (ICDO-3)", 4, 4, kHistologyWidth, kHistologyWidth, false},
          {"Behaviour (ICDO-3)", 1, 1, kBehaviourWidth, kBehaviourWidth, false},
          {"Grade (ICDO-3)", 1, 1, kGradeWidth, kGradeWidth, false},
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

namespace {

// The rules of a conversion page: the site code (variable 2) is at least
// `siteWidth` columns wide, with no upper bound; the list may show it under
// another text than its messages name it.
LayoutRules ConversionRules(int variables, const char* siteName, const char* siteListText,
                            int siteWidth, const char* siteMessage) {
  LayoutRules rules{
      {
          {"Registration number", 0, 0, nullptr, nullptr, false},
          {"Sex", 1, 1, kSexWidth, kSexWidth, false},
          {siteName, siteWidth, 0, siteMessage, nullptr, false, siteListText},
          {"Histology", 4, 4, kHistologyWidth, kHistologyWidth, false},
          {"Behaviour", 1, 1, kBehaviourWidth, kBehaviourWidth, false},
          {"Grade", 1, 1, kGradeWidth, kGradeWidth, false},
      },
      {
          {PresenceRule::kAllOf, Variables({0, 1, 2, 3, 4}),
           "\nPositions of all variables must be defined!"},
      },
      {},
      "\nLayout definition of \n%s:%d\noverlaps with %s.",
  };
  rules.variables.resize(static_cast<size_t>(variables));
  return rules;
}

const char* const kIcd9Narrow = "\nICD-9 field should have at least four characters!";
const char* const kIcd10Narrow = "\nICD-10 field should have at least four characters!";

const OptionBox kReplaceCodes{"Replace original codes by new codes", &RecordSettings::optionA, 0};
const OptionBox kUnknownPrimary{
    "For records with a behaviour code 6 or 9, change topography to 199.9 (unknown primary) "
    "before conversion.",
    &RecordSettings::optionB, 1};
const char* const kEachVariable =
    "Input file preview: specifiy the starting and ending positions of each variable.";

}  // namespace

const ConversionPage& ConversionPageOf(int index) {
  static const LayoutRules icd9 = ConversionRules(3, "ICD", "ICD-9", 4, kIcd9Narrow);
  static const LayoutRules icd10 = ConversionRules(3, "ICD", "ICD-10", 4, kIcd10Narrow);
  static const LayoutRules icd9Site = ConversionRules(6, "Topography", "ICD-9", 4, kIcd9Narrow);
  static const LayoutRules icd10Site = ConversionRules(6, "Topography", "ICD-10", 4, kIcd10Narrow);
  static const LayoutRules icdO1Site = ConversionRules(
      6, "Topography", nullptr, 4, "\nTopography field should have at least four characters!");
  static const LayoutRules site = ConversionRules(6, "Topography", nullptr, 3, kTopographyNarrow);
  // clang-format off
  static const ConversionPage pages[kConversionCount] = {
      // rules      option boxes                    box group  preview title  female label
      {icd9,      {},                               nullptr,   kEachVariable, "Female", true},
      {icd9Site,  {kReplaceCodes},                  "Option",  kEachVariable, "Female", true},
      {icd10,     {},                               nullptr,   kEachVariable, "Female", true},
      {icd10Site, {kReplaceCodes},                  "Option",  "Input file preview", "Female", true},
      {icdO1Site, {kReplaceCodes, kUnknownPrimary}, "Options", kEachVariable, "Female", true},
      {icdO1Site, {kReplaceCodes, kUnknownPrimary}, "Options", kEachVariable, "Female", true},
      {site,      {kReplaceCodes},                  "Option",  kEachVariable, "Female", true},
      {site,
       {{"Convert ovarian tumours of low malignant potential (8442/3,8462/3,8472/3 and 8473/3) "
         "to malignant tumours (183.0).", &RecordSettings::optionB, 1}},
                                                    "Option",  kEachVariable, "Female", false},
      {site,
       {{"Convert ovarian tumours of low malignant potential (8442/3,8462/3,8472/3 and 8473/3) "
         "to malignant tumours (C56).", &RecordSettings::optionB, 1}},
                                                    "Option",  kEachVariable, "Female", false},
      {site,      {},                               nullptr,   kEachVariable, "Female ", true},
      {site,      {{"Write ICCC label  in output file", &RecordSettings::optionA, 0}},
                                                    "Option",  kEachVariable, "Female", true},
      {site,      {{"Write label  in output file", &RecordSettings::optionA, 0}},
                                                    "Option",  kEachVariable, "Female", true},
  };
  // clang-format on
  return pages[index];
}

OptionWords ConversionOptionWords(const ConversionPage& page) {
  OptionWords words;
  for (const OptionBox& box : page.options) words.push_back(box.member);
  return words;
}

}  // namespace kelvarin
