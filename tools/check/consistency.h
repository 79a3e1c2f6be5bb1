// Consistency rules of the record check: do the valid codes of one record fit
// together? Each rule answers 0 for an acceptable combination. Standard C++.
//
// Values are those of the decoded record: sex 0 male, 1 female; topography
// site * 10 + subsite (C50.1 is 501); the 4-digit morphology; behaviour 0..3;
// grade 0..9; basis state 1 microscopically verified, -1 not, 0 absent; age in
// years with 999 for not stated; dates as the numbers YYYYMMDD.
#pragma once

namespace kelvarin {

// 1 when the sex cannot have the two-digit site (topography / 10): a man with
// a female genital organ (C51-C58) or a woman with a male one (C60-C63).
int CheckSexSite(int sex, int site);

// 1 when the morphology's histology group belongs to the other sex.
int CheckSexHistology(int sex, int morphology);

// With groupOnly 0: 0 when the morphology is expected on the topography, else
// the histology group number 1..70 of the unlikely combination. With groupOnly
// not 0: the group written in the morphology's row (1..63), 0 for a morphology
// of any site. Either way -1 when the morphology has no row.
int CheckHistologySite(int topography, int morphology, int groupOnly);

// 1 when a tumour not verified microscopically has a morphology that needs the
// microscope. The topography may be absent (0) or invalid.
int CheckBasisHistology(int basisState, int morphology, int topography);

// 1 for an in situ tumour on a site that has no epithelium to hold one.
int CheckBehaviourSite(int topography, int behaviour);

// 1 when the morphology and behaviour are not a usual combination.
int CheckBehaviourHistology(int morphology, int behaviour);

// 1 when the grade does not fit the morphology and behaviour.
int CheckGradeHistology(int morphology, int behaviour, int grade);

// Birth-date states as the date step leaves them.
inline constexpr int kBirthDateValid = 0;
inline constexpr int kBirthDateInvalid = 1;
inline constexpr int kBirthDateNotStated = -1;

// The age flag CheckDates sets when the recorded age disagrees with the dates.
inline constexpr int kAgeFlagDates = 3;

// The age value of a record whose age is not stated.
inline constexpr int kAgeNotStated = 999;

// Consistency of the two dates with each other and with the age. Takes the
// incidence date (0 when it was not examined), its error (0 none), the birth
// date (0 when it was not examined), its state, and the first column of the
// age (> 0 present; negative: no age column, the age comes from the dates).
// Updates age and ageFlag; returns 1 when the diagnosis is before the birth.
int CheckDates(int incidenceDate, int incidenceDateError, int birthDate, int birthDateState,
               int ageStart, int& age, int& ageFlag);

}  // namespace kelvarin
