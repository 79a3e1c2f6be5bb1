#include "tools/check/consistency.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "tests/tools/check/morphologylist.h"
#include "tools/check/histologysitetable.h"

using namespace kelvarin;
using kelvarin::test::ExpandMorphologies;
using kelvarin::test::KnownMorphologies;

namespace {
constexpr int kMale = 0;
constexpr int kFemale = 1;
}  // namespace

TEST(CheckSexSite, GenitalSitesOfTheOtherSexAreErrors) {
  struct Case {
    int sex;
    int site;
    int expected;
  };
  const Case cases[] = {
      {kMale, 50, 0},   {kMale, 51, 1},   {kMale, 53, 1},   {kMale, 58, 1},   {kMale, 59, 0},
      {kMale, 60, 0},   {kMale, 61, 0},   {kMale, 63, 0},   {kFemale, 50, 0}, {kFemale, 51, 0},
      {kFemale, 58, 0}, {kFemale, 59, 0}, {kFemale, 60, 1}, {kFemale, 61, 1}, {kFemale, 63, 1},
      {kFemale, 64, 0}, {-1, 53, 0},      {-1, 61, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, CheckSexSite(c.sex, c.site)) << c.sex << " " << c.site;
}

TEST(CheckSexHistology, GroupsOfTheOtherSexAreUnlikely) {
  struct Case {
    int morphology;
    int male;
    int female;
  };
  const Case cases[] = {
      {8905, 1, 0},  // genital rhabdomyoma
      {8930, 1, 0},  // endometrial stromal sarcoma
      {8313, 1, 0},  // ovarian
      {9103, 1, 0},  // placental
      {8380, 1, 0},  // female genital organs
      {8080, 0, 1},  // Queyrat erythroplasia
      {9061, 0, 1},  // testicular
      {8204, 0, 0},  // breast, the group before the female ones
      {8312, 0, 0},  // renal, the group after the male ones
      {8000, 0, 0},  // any site
      {9734, 0, 0},  // deny group 7
      {8006, 0, 0},  // not a morphology code
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.male, CheckSexHistology(kMale, c.morphology)) << c.morphology;
    EXPECT_EQ(c.female, CheckSexHistology(kFemale, c.morphology)) << c.morphology;
  }
}

TEST(CheckHistologySite, TellingCombinations) {
  struct Case {
    int topography;
    int morphology;
    int groupOnly;
    int expected;
  };
  const Case cases[] = {
      {79, 8561, 0, 0},   {509, 8561, 0, 1},  {412, 9734, 0, 70}, {509, 9734, 0, 0},
      {578, 8098, 0, 0},  {579, 8098, 0, 43}, {509, 8000, 0, 0},  {410, 8140, 0, 65},
      {770, 8140, 0, 65}, {509, 8140, 0, 0},  {509, 9140, 0, 69}, {440, 9140, 0, 0},
      {632, 8720, 0, 0},  {633, 8720, 0, 49}, {809, 8720, 0, 0},  {420, 8800, 0, 66},
      {422, 8800, 0, 0},  {509, 8006, 0, -1}, {809, 8006, 1, -1}, {809, 8905, 1, 22},
      {509, 9734, 1, 7},  {412, 8000, 1, 0},  {-5, 8561, 0, 1},   {4120, 9734, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, CheckHistologySite(c.topography, c.morphology, c.groupOnly))
        << c.morphology << " on " << c.topography << " groupOnly " << c.groupOnly;
}

// Every morphology on every topography 0..999 against the sites its group lists.
TEST(CheckHistologySite, EveryMorphologyOnEveryTopography) {
  std::map<std::pair<bool, int>, std::set<int>> sites;  // (allow, group) -> topographies
  const auto gather = [&](bool allow, const SiteGroupRow* list, int count) {
    for (int i = 0; i < count; ++i)
      for (int subsite = 0; subsite <= 9; ++subsite)
        if (list[i].subsite == kEverySubsite || list[i].subsite == subsite)
          sites[{allow, list[i].group}].insert(list[i].site * 10 + subsite);
  };
  gather(true, SiteGroupAllowList, kSiteGroupAllowRowCount);
  gather(false, SiteGroupDenyList, kSiteGroupDenyRowCount);
  for (const HistologySiteRow& row : HistologySiteTable) {
    const bool allow = row.siteClass == kAllowGroup;
    const std::set<int>& held = sites[{allow, row.group}];
    for (int topography = 0; topography <= 999; ++topography) {
      int expected = 0;
      if (row.siteClass != kAnySite && allow != (held.count(topography) == 1))
        expected = allow ? row.group : row.group + kAllowGroupCount;
      ASSERT_EQ(expected, CheckHistologySite(topography, row.morphology, 0))
          << row.morphology << " on " << topography;
    }
  }
}

TEST(CheckBasisHistology, OnlyMicroscopyWarnsAndSomeMorphologiesNeedNone) {
  struct Case {
    int basis;
    int morphology;
    int topography;
    int expected;
  };
  const Case cases[] = {
      {1, 8140, 509, 0},  {0, 8140, 509, 0},  {-1, 8140, 509, 1}, {-1, 8000, 0, 0},
      {-1, 8001, 0, 1},   {-1, 8149, 0, 1},   {-1, 8150, 0, 0},   {-1, 8154, 0, 0},
      {-1, 8155, 0, 1},   {-1, 8270, 0, 0},   {-1, 8281, 0, 0},   {-1, 8290, 0, 1},
      {-1, 9530, 0, 0},   {-1, 9539, 0, 0},   {-1, 9540, 0, 1},   {-1, 9800, 0, 0},
      {-1, 9801, 0, 1},   {-1, 8720, 693, 0}, {-1, 8720, 445, 0}, {-1, 8720, 690, 0},
      {-1, 8720, 210, 1}, {-1, 8720, 0, 1},   {-1, 8720, 999, 1}, {-1, 8721, 693, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, CheckBasisHistology(c.basis, c.morphology, c.topography))
        << c.basis << " " << c.morphology << " " << c.topography;

  // Of all morphologies, exactly these may go without a microscope on a site
  // other than the eye and the skin.
  std::set<int> withoutMicroscopy;
  for (int morphology : KnownMorphologies()) {
    EXPECT_EQ(0, CheckBasisHistology(1, morphology, 509));
    if (CheckBasisHistology(-1, morphology, 509) == 0) withoutMicroscopy.insert(morphology);
  }
  EXPECT_EQ(ExpandMorphologies("8000, 8150-8154, 8170, 8270-8281, 8800, 8960, 9100, 9140, 9380, "
                               "9384, 9500, 9510, 9530-9539, 9590, 9732, 9761, 9800"),
            withoutMicroscopy);
}

TEST(CheckBehaviourSite, InSituOnlyWhereThereIsEpithelium) {
  std::set<int> unlikelySites;
  for (int topography = 0; topography <= 809; ++topography) {
    for (int behaviour : {0, 1, 3}) EXPECT_EQ(0, CheckBehaviourSite(topography, behaviour));
    if (CheckBehaviourSite(topography, 2)) unlikelySites.insert(topography / 10);
  }
  EXPECT_EQ((std::set<int>{40, 41, 42, 47, 49, 70, 71, 72}), unlikelySites);
  EXPECT_EQ(1, CheckBehaviourSite(410, 2));
  EXPECT_EQ(1, CheckBehaviourSite(719, 2));
  EXPECT_EQ(0, CheckBehaviourSite(509, 2));
}

namespace {

// Morphologies whose grade is fixed, with the grades they accept.
const std::pair<const char*, std::set<int>> kFixedGrades[] = {
    {"9702, 9705, 9708, 9709, 9716, 9717, 9718, 9724, 9726, 9729, 9827, 9834, 9837", {5}},
    {"9714", {5, 7}},
    {"9700, 9701, 9719, 9831", {5, 8}},
    {"9670-9699, 9712, 9728, 9737, 9738, 9811-9818, 9823, 9826, 9833, 9836", {6}},
    {"9948", {8}},
    {"8331, 8851, 9187, 9511", {1}},
    {"8249, 8332, 8858, 9083, 9243, 9372", {2}},
    {"8631, 8634", {3}},
    {"8020, 8021, 8805, 9062, 9082, 9392, 9401, 9451, 9505, 9512", {4}},
};

}  // namespace

TEST(CheckGradeHistology, TellingCombinations) {
  struct Case {
    int morphology;
    int behaviour;
    int grade;
    int expected;
  };
  const Case cases[] = {
      {9702, 3, 5, 0}, {9702, 3, 9, 1}, {9702, 3, 6, 1}, {8140, 3, 6, 1}, {8140, 0, 1, 1},
      {8140, 0, 9, 0}, {8140, 2, 9, 0}, {8140, 2, 0, 1}, {8140, 1, 4, 1}, {9702, 1, 9, 0},
      {8140, 3, 0, 0}, {8140, 3, 9, 0}, {8140, 3, 4, 0}, {9590, 3, 4, 1}, {9590, 3, 5, 0},
      {9590, 3, 0, 0}, {9582, 3, 5, 1}, {9582, 3, 4, 0}, {9714, 3, 7, 0}, {9714, 3, 8, 1},
      {8331, 3, 9, 1}, {8331, 3, 0, 1}, {8331, 3, 1, 0}, {8331, 3, 2, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, CheckGradeHistology(c.morphology, c.behaviour, c.grade))
        << c.morphology << "/" << c.behaviour << " grade " << c.grade;
}

TEST(CheckGradeHistology, EveryMalignantMorphologyAndGrade) {
  std::map<int, std::set<int>> fixed;
  for (const auto& [list, grades] : kFixedGrades)
    for (int morphology : ExpandMorphologies(list)) {
      EXPECT_EQ(0u, fixed.count(morphology)) << morphology;
      fixed[morphology] = grades;
    }
  EXPECT_EQ(73u, fixed.size());
  for (int morphology : KnownMorphologies()) {
    const bool lymphoid = morphology >= 9590;
    for (int grade = 0; grade <= 9; ++grade) {
      int expected = 0;
      if (fixed.count(morphology))
        expected = fixed[morphology].count(grade) ? 0 : 1;
      else if ((grade >= 5 && grade <= 8 && !lymphoid) || (grade >= 1 && grade <= 4 && lymphoid))
        expected = 1;
      ASSERT_EQ(expected, CheckGradeHistology(morphology, 3, grade))
          << morphology << " grade " << grade;
      for (int behaviour : {0, 1, 2})
        ASSERT_EQ(grade == 9 ? 0 : 1, CheckGradeHistology(morphology, behaviour, grade));
    }
  }
}

TEST(CheckDates, DatesAgainstEachOtherAndTheAge) {
  struct Case {
    const char* what;
    int incidence;
    int incidenceError;
    int birth;
    int birthState;
    int ageStart;
    int age;
    int ageFlag;
    int beforeBirth;  // expected results from here on
    int ageAfter;
    int ageFlagAfter;
  };
  const int june1950 = 19500615;
  const int may2000 = 20000515;
  const Case cases[] = {
      {"computed age 49", may2000, 0, june1950, 0, 5, 49, 0, 0, 49, 0},
      {"one year more", may2000, 0, june1950, 0, 5, 50, 0, 0, 50, 0},
      {"one year less", may2000, 0, june1950, 0, 5, 48, 0, 0, 48, 0},
      {"two years more", may2000, 0, june1950, 0, 5, 51, 0, 0, 51, 3},
      {"two years less", may2000, 0, june1950, 0, 5, 47, 0, 0, 47, 3},
      {"age not stated", may2000, 0, june1950, 0, 5, 999, 0, 0, 999, 0},
      {"age already wrong", may2000, 0, june1950, 0, 5, 0, 1, 0, 0, 1},
      {"no age column", may2000, 0, june1950, 0, -1, 999, 0, 0, 49, 0},
      {"age column at 0", may2000, 0, june1950, 0, 0, 999, 0, 0, 999, 0},
      {"days dropped", 20000610, 0, 19500620, 0, -1, 999, 0, 0, 50, 0},
      {"same day", june1950, 0, june1950, 0, -1, 999, 0, 0, 0, 0},
      {"month before birthday", 20001105, 0, 19501220, 0, -1, 999, 0, 0, 49, 0},
      {"over a century", 20000101, 0, 18991231, 0, -1, 999, 0, 0, 100, 0},
      {"born the day after", may2000, 0, 20000516, 0, 5, 80, 0, 1, 80, 0},
      {"born after, no age column", may2000, 0, 20000516, 0, -1, 999, 0, 1, 999, 0},
      {"birth not stated", may2000, 0, 0, -1, 5, 50, 0, 0, 999, 0},
      {"birth not stated, no age column", may2000, 0, 0, -1, -1, 999, 0, 0, 999, 0},
      {"birth invalid", may2000, 0, 99999999, 1, -1, 999, 0, 0, 999, 0},
      {"birth invalid, age kept", may2000, 0, 99999999, 1, 5, 10, 0, 0, 10, 0},
      {"incidence error", may2000, 1, 20010101, 0, 5, 10, 0, 0, 10, 0},
      {"incidence error, birth not stated", 0, 1, 0, -1, 5, 10, 0, 0, 10, 0},
      {"incidence not examined", 0, 0, june1950, 0, 5, 10, 0, 0, 10, 0},
      {"birth not examined", may2000, 0, 0, 0, -1, 999, 0, 0, 999, 0},
  };
  for (const Case& c : cases) {
    int age = c.age;
    int ageFlag = c.ageFlag;
    EXPECT_EQ(c.beforeBirth, CheckDates(c.incidence, c.incidenceError, c.birth, c.birthState,
                                        c.ageStart, age, ageFlag))
        << c.what;
    EXPECT_EQ(c.ageAfter, age) << c.what;
    EXPECT_EQ(c.ageFlagAfter, ageFlag) << c.what;
  }
}
