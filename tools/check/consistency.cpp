#include "tools/check/consistency.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "tools/check/behaviourhistologytable.h"
#include "tools/check/histologysitetable.h"

namespace kelvarin {

namespace {

// A run of morphology codes from `from` to `to`, with a set of grades (bit g
// for grade g) where the table needs one.
struct MorphologyRange {
  int from;
  int to;
  int grades;
};

constexpr int Grades(int a) { return 1 << a; }
constexpr int Grades(int a, int b) { return (1 << a) | (1 << b); }

template <size_t N>
constexpr bool Ascending(const MorphologyRange (&ranges)[N]) {
  for (size_t i = 0; i < N; ++i) {
    if (ranges[i].from > ranges[i].to) return false;
    if (i > 0 && ranges[i - 1].to >= ranges[i].from) return false;
  }
  return true;
}

// The range holding the morphology, or nullptr.
template <size_t N>
const MorphologyRange* FindRange(const MorphologyRange (&ranges)[N], int morphology) {
  const MorphologyRange* found =
      std::lower_bound(std::begin(ranges), std::end(ranges), morphology,
                       [](const MorphologyRange& range, int m) { return range.to < m; });
  if (found == std::end(ranges) || found->from > morphology) return nullptr;
  return found;
}

// Morphologies that may be diagnosed without a microscope (8720 only on the
// eye or the skin, tested apart).
constexpr MorphologyRange kWithoutMicroscopy[] = {
    {8000, 8000, 0}, {8150, 8154, 0}, {8170, 8170, 0}, {8270, 8281, 0}, {8800, 8800, 0},
    {8960, 8960, 0}, {9100, 9100, 0}, {9140, 9140, 0}, {9380, 9380, 0}, {9384, 9384, 0},
    {9500, 9500, 0}, {9510, 9510, 0}, {9530, 9539, 0}, {9590, 9590, 0}, {9732, 9732, 0},
    {9761, 9761, 0}, {9800, 9800, 0},
};
static_assert(Ascending(kWithoutMicroscopy), "ranges must ascend without overlap");

// Morphologies whose grade is fixed, with the grades they accept.
constexpr MorphologyRange kFixedGrades[] = {
    {8020, 8021, Grades(4)},    {8249, 8249, Grades(2)},    {8331, 8331, Grades(1)},
    {8332, 8332, Grades(2)},    {8631, 8631, Grades(3)},    {8634, 8634, Grades(3)},
    {8805, 8805, Grades(4)},    {8851, 8851, Grades(1)},    {8858, 8858, Grades(2)},
    {9062, 9062, Grades(4)},    {9082, 9082, Grades(4)},    {9083, 9083, Grades(2)},
    {9187, 9187, Grades(1)},    {9243, 9243, Grades(2)},    {9372, 9372, Grades(2)},
    {9392, 9392, Grades(4)},    {9401, 9401, Grades(4)},    {9451, 9451, Grades(4)},
    {9505, 9505, Grades(4)},    {9511, 9511, Grades(1)},    {9512, 9512, Grades(4)},
    {9670, 9699, Grades(6)},    {9700, 9701, Grades(5, 8)}, {9702, 9702, Grades(5)},
    {9705, 9705, Grades(5)},    {9708, 9709, Grades(5)},    {9712, 9712, Grades(6)},
    {9714, 9714, Grades(5, 7)}, {9716, 9718, Grades(5)},    {9719, 9719, Grades(5, 8)},
    {9724, 9724, Grades(5)},    {9726, 9726, Grades(5)},    {9728, 9728, Grades(6)},
    {9729, 9729, Grades(5)},    {9737, 9738, Grades(6)},    {9811, 9818, Grades(6)},
    {9823, 9823, Grades(6)},    {9826, 9826, Grades(6)},    {9827, 9827, Grades(5)},
    {9831, 9831, Grades(5, 8)}, {9833, 9833, Grades(6)},    {9834, 9834, Grades(5)},
    {9836, 9836, Grades(6)},    {9837, 9837, Grades(5)},    {9948, 9948, Grades(8)},
};
static_assert(Ascending(kFixedGrades), "ranges must ascend without overlap");

// The first haematopoietic and lymphoid morphology: below it grades 1-4 tell
// differentiation, from it on grades 5-8 tell the cell lineage.
constexpr int kFirstLymphoidMorphology = 9590;

// Histology groups of one sex (CheckSexHistology).
constexpr int kFirstFemaleGroup = 22;  // Genital rhabdomyomas
constexpr int kLastFemaleGroup = 26;   // Tumours of female genital organs
constexpr int kFirstMaleGroup = 27;    // Queyrat erythroplasias
constexpr int kLastMaleGroup = 28;     // Testicular tumours

// Unknown primary site: only the morphology's own row decides.
constexpr int kUnknownPrimary = 809;

int SiteOf(int topography) { return topography / 10; }

int YearOf(int date) { return date / 10000; }
int MonthOf(int date) { return date / 100 % 100; }

}  // namespace

int CheckSexSite(int sex, int site) {
  if (sex == 0 && site >= 51 && site <= 58) return 1;
  if (sex == 1 && site >= 60 && site <= 63) return 1;
  return 0;
}

int CheckSexHistology(int sex, int morphology) {
  const int group = CheckHistologySite(kUnknownPrimary, morphology, 1);
  if (sex == 0 && group >= kFirstFemaleGroup && group <= kLastFemaleGroup) return 1;
  if (sex == 1 && group >= kFirstMaleGroup && group <= kLastMaleGroup) return 1;
  return 0;
}

int CheckHistologySite(int topography, int morphology, int groupOnly) {
  const HistologySiteRow* row = FindHistologySiteRow(morphology);
  if (row == nullptr) return -1;
  if (row->siteClass == kAnySite) return 0;
  if (groupOnly != 0) return row->group;
  const bool held = SiteGroupHolds(row->siteClass, row->group, topography);
  if (row->siteClass == kAllowGroup) return held ? 0 : row->group;
  return held ? row->group + kAllowGroupCount : 0;
}

int CheckBasisHistology(int basisState, int morphology, int topography) {
  if (basisState != -1) return 0;
  if (FindRange(kWithoutMicroscopy, morphology) != nullptr) return 0;
  const int site = SiteOf(topography);
  if (morphology == 8720 && (site == 69 || site == 44)) return 0;  // melanoma of eye or skin
  return 1;
}

int CheckBehaviourSite(int topography, int behaviour) {
  if (behaviour != 2) return 0;
  switch (SiteOf(topography)) {
    case 40:  // bone
    case 41:  // bone
    case 42:  // haematopoietic system
    case 47:  // peripheral nerves
    case 49:  // connective tissue
    case 70:  // meninges
    case 71:  // brain
    case 72:  // spinal cord
      return 1;
    default:
      return 0;
  }
}

int CheckBehaviourHistology(int morphology, int behaviour) {
  const int row = FindBehaviourHistologyRow(morphology, behaviour);
  if (row < 0) return 1;
  return IsUnlikelyClass(BehaviourHistologyTable[row][kBehaviourHistologyClassPosition]) ? 1 : 0;
}

int CheckGradeHistology(int morphology, int behaviour, int grade) {
  if (behaviour >= 0 && behaviour <= 2) return grade == 9 ? 0 : 1;
  if (grade >= 5 && grade <= 8 && morphology < kFirstLymphoidMorphology) return 1;
  if (grade >= 1 && grade <= 4 && morphology >= kFirstLymphoidMorphology) return 1;
  const MorphologyRange* fixed = FindRange(kFixedGrades, morphology);
  if (fixed != nullptr) return grade >= 0 && grade <= 9 && (fixed->grades & Grades(grade)) ? 0 : 1;
  return 0;
}

int CheckDates(int incidenceDate, int incidenceDateError, int birthDate, int birthDateState,
               int ageStart, int& age, int& ageFlag) {
  if (birthDateState == kBirthDateInvalid || incidenceDateError != 0) return 0;
  if (birthDateState == kBirthDateNotStated) {
    age = kAgeNotStated;
    return 0;
  }
  // A date left unexamined (its layout index fits no layout of its width)
  // holds no date to compare.
  if (incidenceDate == 0 || birthDate == 0) return 0;
  if (birthDate > incidenceDate) return 1;
  // Whole years from the years and months; the days are dropped.
  const int months = (YearOf(incidenceDate) - YearOf(birthDate)) * 12 + MonthOf(incidenceDate) -
                     MonthOf(birthDate);
  const int years = months / 12;
  if (ageStart > 0) {
    if (ageFlag == 0 && age != kAgeNotStated && std::abs(age - years) > 1) ageFlag = kAgeFlagDates;
  } else if (ageStart < 0) {
    age = years;
  }
  return 0;
}

}  // namespace kelvarin
