// What tells the layout pages apart: their variables' names, width and
// presence rules, in the list order of their layout definition files
// (kRecordFields gives which variable is where), their option boxes, and the
// table of the conversion wizard's twelve pages.
#pragma once

#include <vector>

#include "common/layoutfile.h"
#include "frontend/wizards/layoutcolumns.h"

namespace kelvarin {

// An option box of a layout page: its caption, the member whose state (0 or
// 1) it shows, and its state when a conversion page starts without one.
struct OptionBox {
  const char* caption;
  int32_t RecordSettings::*member;
  int32_t initial = 0;
};

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

// The conversions, by conversion index: index i is command 32771 + i, its
// title string 32771 + i and its program ToolNames[i].
inline constexpr int kConversionCount = 12;

// A conversion's layout page: three variables (registration number, sex, ICD
// code) or six (those with topography for the code, histology, behaviour,
// grade), the site code's width rule, and none, one or two option boxes,
// kept in the .dfi file after the codes.
struct ConversionPage {
  const LayoutRules& rules;
  std::vector<OptionBox> options;  // box 1019 (optionA) first, then box 1020 (optionB)
  const char* optionsTitle;        // the group box around the options
  const char* previewTitle;        // the group box around the preview
  const char* femaleLabel;         // beside the female code's edit
  bool pathPrefixes;               // "Input: " and "Output: " before the paths
};

const ConversionPage& ConversionPageOf(int index);

// The option words a conversion page keeps in the .dfi file, in the order
// of its boxes.
OptionWords ConversionOptionWords(const ConversionPage& page);

}  // namespace kelvarin
