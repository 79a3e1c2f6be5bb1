// What tells the check and multiple-primary layout pages apart: their
// variables' names, width and presence rules, in the list order of their
// layout definition files (kRecordFields gives which variable is where).
#pragma once

#include "common/layoutfile.h"
#include "frontend/wizards/layoutcolumns.h"

namespace kelvarin {

// The check layout page's list: registration number, sex, topography,
// histology, behaviour, grade, basis of diagnosis, incidence date, birth
// date, age; the positions are those of the .frm file.
enum CheckVariable {
  kCheckRegNo = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::regNoStart),
  kCheckSex = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::sexStart),
  kCheckTopography = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::topographyStart),
  kCheckHistology = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::histologyStart),
  kCheckBehaviour = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::behaviourStart),
  kCheckGrade = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::gradeStart),
  kCheckBasis = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::basisStart),
  kCheckIncidenceDate = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::incidenceDateStart),
  kCheckBirthDate = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::birthDateStart),
  kCheckAge = LayoutPlaceOf(LayoutFile::kCheck, &RecordSettings::ageStart),
};
const LayoutRules& CheckLayoutRules();

// The check variables that need the Format page (a code or a date format).
inline constexpr int kCheckFormatVariables[] = {kCheckSex, kCheckBasis, kCheckIncidenceDate,
                                                kCheckBirthDate, kCheckAge};

// The multiple-primary layout page's list, that of the .mpr file: patient
// identification, sequence number, sex, topography, histology, behaviour,
// incidence date.
const LayoutRules& MultiplePrimaryLayoutRules();

}  // namespace kelvarin
