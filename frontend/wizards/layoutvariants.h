// What tells the check and multiple-primary layouts apart: their variables
// in list order with the job-settings columns each one fills, their width
// and presence rules, and the mapping between the job settings and their
// layout definition files.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "common/layoutfile.h"
#include "frontend/job/jobsettings.h"
#include "frontend/wizards/layoutcolumns.h"

namespace kelvarin {

// The job-settings pair a layout variable fills.
struct VariableField {
  int32_t JobSettings::*first;
  int32_t JobSettings::*last;
};

// Check layout: registration number, sex, topography, histology, behaviour,
// grade, basis of diagnosis, incidence date, birth date, age.
enum CheckVariable {
  kCheckRegNo,
  kCheckSex,
  kCheckTopography,
  kCheckHistology,
  kCheckBehaviour,
  kCheckGrade,
  kCheckBasis,
  kCheckIncidenceDate,
  kCheckBirthDate,
  kCheckAge,
};
extern const std::array<VariableField, kCheckLayoutVariables> kCheckVariableFields;
const LayoutRules& CheckLayoutRules();

// Multiple-primary layout: patient identification, sequence number, sex,
// topography, histology, behaviour, incidence date.
extern const std::array<VariableField, kMultiplePrimaryLayoutVariables>
    kMultiplePrimaryVariableFields;
const LayoutRules& MultiplePrimaryLayoutRules();

// The (first, last) pairs of the fields, in order.
std::vector<int32_t> PairsOf(const JobSettings& job, const VariableField* fields, int count);

// The definition-file record of the job settings as they stand.
CheckLayoutRecord CheckLayoutOf(const JobSettings& job);
MultiplePrimaryLayoutRecord MultiplePrimaryLayoutOf(const JobSettings& job);

// Takes the date formats and the codes of a definition-file record into the
// job settings; a code that cannot stand as a code (blank, empty or a control
// character) is not taken, so the parameter row always reads back.
void TakeCheckLayoutCodes(const CheckLayoutRecord& record, JobSettings& job);
void TakeMultiplePrimaryLayoutCodes(const MultiplePrimaryLayoutRecord& record, JobSettings& job);

// Whether a text can stand as the age-unknown code: 1 to 3 code characters.
bool IsAgeUnknownCode(const std::string& text);

}  // namespace kelvarin
