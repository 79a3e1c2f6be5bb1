#include "frontend/wizards/layoutcolumns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/wizards/layoutvariants.h"

using namespace kelvarin;

namespace {

// Boundary pairs (start, end) per variable, -1 for none.
std::vector<int32_t> NoPairs(int variables) {
  return std::vector<int32_t>(2 * static_cast<size_t>(variables), -1);
}

// Sets (variable, first, last) in the pairs.
void SetPairs(std::vector<int32_t>& pairs, const std::vector<std::array<int, 3>>& columns) {
  for (const auto& c : columns) {
    pairs[2 * static_cast<size_t>(c[0])] = c[1];
    pairs[2 * static_cast<size_t>(c[0]) + 1] = c[2];
  }
}

// A layout with the given (first, last) columns; the rest undefined.
CLayoutColumns Layout(const LayoutRules& rules, const std::vector<std::array<int, 3>>& columns,
                      int recordLength = 200) {
  CLayoutColumns layout(rules);
  std::vector<int32_t> pairs = NoPairs(layout.variableCount());
  SetPairs(pairs, columns);
  EXPECT_TRUE(layout.Enter(pairs, recordLength));
  return layout;
}

struct Step {
  int variable;
  int boundary;
  ClickOutcome::Kind kind;
  const char* message;
};

struct ClickCase {
  const char* name;
  std::vector<std::array<int, 3>> before;  // variable, first, last
  std::vector<Step> steps;
  int variable;  // whose boundaries are expected at the end
  int start, end;
};

const char* const kRegNo = "Registration number";

}  // namespace

TEST(LayoutColumns, ClicksSetAndRemoveBoundaries) {
  const ClickCase cases[] = {
      {"start then end",
       {},
       {{1, 10, ClickOutcome::kStarted, ""}, {1, 11, ClickOutcome::kEnded, ""}},
       1,
       10,
       11},
      {"end left of start swaps",
       {},
       {{2, 20, ClickOutcome::kStarted, ""}, {2, 15, ClickOutcome::kEnded, ""}},
       2,
       15,
       20},
      {"lone start clicked again goes",
       {},
       {{1, 7, ClickOutcome::kStarted, ""}, {1, 7, ClickOutcome::kRemoved, ""}},
       1,
       -1,
       -1},
      {"removing the end keeps the start",
       {{1, 5, 5}},
       {{1, 5, ClickOutcome::kRemoved, ""}},
       1,
       4,
       -1},
      {"removing the start leaves a lone start at the old end",
       {{3, 11, 14}},
       {{3, 10, ClickOutcome::kRemoved, ""}},
       3,
       14,
       -1},
      {"a third boundary is refused",
       {{1, 5, 5}},
       {{1, 9, ClickOutcome::kRefused, "\nLayout definition for \n'Sex'\n already set!"}},
       1,
       4,
       5},
      {"a start strictly inside a range is refused, naming the owner to its right",
       {{0, 5, 10}},
       {{1, 7, ClickOutcome::kRefused,
         "\nLayout definition for \nSex:7\noverlaps with Registration number."}},
       1,
       -1,
       -1},
      {"a start at the right edge of a range is accepted",
       {{0, 5, 10}},
       {{1, 10, ClickOutcome::kStarted, ""}},
       1,
       10,
       -1},
      {"a start at the left edge of a range is accepted",
       {{0, 5, 10}},
       {{1, 4, ClickOutcome::kStarted, ""}},
       1,
       4,
       -1},
      {"a start between two ranges is accepted",
       {{0, 5, 10}, {2, 11, 13}},
       {{1, 10, ClickOutcome::kStarted, ""}},
       1,
       10,
       -1},
      {"an end across a range is refused and the start stays",
       {{0, 5, 10}},
       {{1, 2, ClickOutcome::kStarted, ""},
        {1, 20, ClickOutcome::kRefused,
         "\nLayout definition for \nSex:20 \noverlaps with Registration number."}},
       1,
       2,
       -1},
      {"a swapped end across a range is refused",
       {{0, 5, 10}},
       {{1, 12, ClickOutcome::kStarted, ""},
        {1, 1, ClickOutcome::kRefused,
         "\nLayout definition for \nSex:1 \noverlaps with Registration number."}},
       1,
       12,
       -1},
      {"an end touching a range is accepted",
       {{0, 5, 10}},
       {{1, 12, ClickOutcome::kStarted, ""}, {1, 10, ClickOutcome::kEnded, ""}},
       1,
       10,
       12},
  };
  for (const ClickCase& c : cases) {
    SCOPED_TRACE(c.name);
    CLayoutColumns layout = Layout(CheckLayoutRules(), c.before, 100);
    for (const Step& step : c.steps) {
      const ClickOutcome outcome = layout.Click(step.variable, step.boundary);
      EXPECT_EQ(step.kind, outcome.kind) << step.boundary;
      EXPECT_EQ(step.message, outcome.message);
    }
    EXPECT_EQ(c.start, layout.start(c.variable));
    EXPECT_EQ(c.end, layout.end(c.variable));
  }
}

TEST(LayoutColumns, OwnerMapFollowsTheClicks) {
  CLayoutColumns layout(CheckLayoutRules());
  layout.Click(kCheckAge, 30);
  EXPECT_EQ(-1, layout.Owner(31));
  EXPECT_FALSE(layout.IsDefined(kCheckAge));  // a lone start is no definition
  layout.Click(kCheckAge, 27);
  for (int column = 26; column <= 31; ++column)
    EXPECT_EQ(column >= 28 && column <= 30 ? kCheckAge : -1, layout.Owner(column)) << column;
  EXPECT_TRUE(layout.IsDefined(kCheckAge));
  EXPECT_EQ(std::make_pair(28, 30), layout.Pair(kCheckAge));

  layout.Click(kCheckAge, 27);  // the start goes; 30 stays as a lone start
  EXPECT_EQ(-1, layout.Owner(29));
  EXPECT_EQ(std::make_pair(-1, -1), layout.Pair(kCheckAge));
  EXPECT_EQ(30, layout.start(kCheckAge));
  EXPECT_EQ(-1, layout.Owner(0));
  EXPECT_EQ(-1, layout.Owner(kOwnerMapColumns));
}

TEST(LayoutColumns, EnterKeepsOnlyPairsThatFitTheRecord) {
  struct Case {
    const char* name;
    std::vector<int32_t> pairs;  // two variables
    int recordLength;
    std::vector<bool> fits;
  } cases[] = {
      {"undefined", {-1, -1, -1, -1}, 40, {true, true}},
      {"first and last column", {1, 1, 40, 40}, 40, {true, true}},
      {"ending at the record length", {1, 10, 11, 40}, 40, {true, true}},
      {"ending one beyond", {1, 10, 11, 41}, 40, {true, false}},
      {"first column 0", {0, 3, -1, -1}, 40, {false, true}},
      {"first after last", {5, 4, -1, -1}, 40, {false, true}},
      {"only one column set", {-1, 5, 5, -1}, 40, {false, false}},
      {"below -1", {-7, 3, -1, -1}, 40, {false, true}},
      {"overlapping the pair before", {1, 10, 10, 12}, 40, {true, false}},
      {"overlapping a pair that was dropped", {30, 50, 35, 40}, 40, {false, true}},
      {"beyond the owner map", {1000, 1026, 1020, 1027}, 5000, {true, false}},
  };
  LayoutRules two{{{"A", 0, 0, nullptr, nullptr, false}, {"B", 0, 0, nullptr, nullptr, false}},
                  {},
                  {},
                  "%s%d%s"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.fits, CLayoutColumns::FittingPairs(c.pairs, c.recordLength));
    CLayoutColumns layout(two);
    EXPECT_EQ(c.fits[0] && c.fits[1], layout.Enter(c.pairs, c.recordLength));
    for (int v = 0; v < 2; ++v) {
      const bool entered =
          c.fits[static_cast<size_t>(v)] && c.pairs[2 * static_cast<size_t>(v)] != -1;
      EXPECT_EQ(entered, layout.IsDefined(v)) << v;
      if (entered) {
        EXPECT_EQ(std::make_pair(c.pairs[2 * v], c.pairs[2 * v + 1]), layout.Pair(v));
      }
    }
  }
}

TEST(LayoutColumns, CheckLayoutRulesAndTheirOrder) {
  const int H = kCheckHistology;
  struct Case {
    const char* name;
    std::vector<std::array<int, 3>> columns;
    const char* message;
  } cases[] = {
      {"nothing", {}, "\nAt least one variable must be defined!"},
      {"only the registration number", {{0, 1, 40}}, "\nAt least one variable must be defined!"},
      {"no registration number", {{kCheckSex, 1, 1}}, "\nRegistration number must be defined!"},
      {"registration number of any width and sex", {{0, 1, 100}, {kCheckSex, 101, 101}}, ""},
      {"sex of two", {{0, 1, 5}, {kCheckSex, 6, 7}}, "\nSex field must have one character only!"},
      {"topography of two",
       {{0, 1, 5}, {kCheckTopography, 6, 7}},
       "\nTopography field should have at least three characters!"},
      {"topography and age of three",
       {{0, 1, 5}, {kCheckTopography, 6, 8}, {kCheckAge, 9, 11}},
       ""},
      {"topography of five, age of two",
       {{0, 1, 5}, {kCheckTopography, 6, 10}, {kCheckAge, 11, 12}},
       ""},
      {"topography of six",
       {{0, 1, 5}, {kCheckTopography, 6, 11}},
       "\nTopography field should not more than five characters!"},
      {"histology of three",
       {{0, 1, 5}, {H, 6, 8}},
       "\nHistology field must have four characters!"},
      {"behaviour of two",
       {{0, 1, 5}, {H, 6, 9}, {kCheckBehaviour, 10, 11}},
       "\nBehaviour field must have one character only!"},
      {"grade of two",
       {{0, 1, 5}, {H, 6, 9}, {kCheckGrade, 10, 11}},
       "\nGrade field must have one character only!"},
      {"basis of two",
       {{0, 1, 5}, {H, 6, 9}, {kCheckBasis, 10, 11}},
       "\nBasis of diagnosis field must have one character only!"},
      {"incidence date of one",
       {{0, 1, 5}, {kCheckIncidenceDate, 6, 6}},
       "\nDate field must not have at least two characters!"},
      {"birth date of eleven",
       {{0, 1, 5}, {kCheckBirthDate, 6, 16}},
       "\nDate field must not have more than ten characters!"},
      {"dates of two and ten",
       {{0, 1, 5}, {kCheckIncidenceDate, 6, 7}, {kCheckBirthDate, 8, 17}},
       ""},
      {"age of one",
       {{0, 1, 5}, {kCheckAge, 6, 6}},
       "\nAge field must have two or three characters!"},
      {"age of four",
       {{0, 1, 5}, {kCheckAge, 6, 9}},
       "\nAge field must have two or three characters!"},
      {"the first width failure in list order",
       {{0, 1, 5}, {kCheckAge, 6, 9}, {kCheckSex, 10, 11}},
       "\nSex field must have one character only!"},
      {"grade without histology",
       {{0, 1, 5}, {kCheckGrade, 6, 6}},
       "\nHistology must be defined to check the grade code!"},
      {"behaviour without histology",
       {{0, 1, 5}, {kCheckBehaviour, 6, 6}},
       "\nHistology must be defined to check the behaviour code!"},
      {"basis without histology",
       {{0, 1, 5}, {kCheckBasis, 6, 6}},
       "\nHistology must be defined to check the basis of diagnosis code!"},
      {"grade before behaviour",
       {{0, 1, 5}, {kCheckBehaviour, 6, 6}, {kCheckGrade, 7, 7}},
       "\nHistology must be defined to check the grade code!"},
      {"widths before dependencies",
       {{0, 1, 5}, {kCheckGrade, 6, 7}},
       "\nGrade field must have one character only!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.message, Layout(CheckLayoutRules(), c.columns).Validate());
  }
}

TEST(LayoutColumns, LoneStartIsNotADefinition) {
  CLayoutColumns layout = Layout(CheckLayoutRules(), {{0, 1, 5}});
  layout.Click(kCheckSex, 10);
  EXPECT_EQ("\nAt least one variable must be defined!", layout.Validate());
  EXPECT_EQ(std::make_pair(-1, -1), layout.Pair(kCheckSex));
}

TEST(LayoutColumns, MultiplePrimaryLayoutRules) {
  const std::vector<std::array<int, 3>> complete = {{0, 1, 10},  {2, 11, 11}, {3, 12, 14},
                                                    {4, 15, 18}, {5, 19, 19}, {6, 20, 27}};
  struct Case {
    const char* name;
    std::vector<std::array<int, 3>> change;  // replaces or adds pairs; first -1 drops one
    const char* message;
  } cases[] = {
      {"all but the sequence number", {}, ""},
      {"with a sequence number of any width", {{1, 30, 60}}, ""},
      {"topography missing, sex too wide",
       {{3, -1, -1}, {2, 11, 12}},
       "\nPositions of all variables (but sequence number) must be defined!"},
      {"patient identification missing",
       {{0, -1, -1}},
       "\nPositions of all variables (but sequence number) must be defined!"},
      {"patient identification of 30", {{0, 100, 129}}, ""},
      {"patient identification of 31",
       {{0, 100, 130}},
       "\nPatient Identification must not exceed 30 characters!"},
      {"patient identification of 31 after a width failure",
       {{0, 100, 130}, {6, 20, 20}},
       "\nDate field must not have at least two characters!"},
      {"incidence date of eleven",
       {{6, 20, 30}},
       "\nDate field must not have more than ten characters!"},
      {"histology of five",
       {{4, 15, 19}, {5, 40, 40}},
       "\nHistology field must have four characters!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::array<int, 3>> columns = complete;
    columns.insert(columns.end(), c.change.begin(), c.change.end());
    EXPECT_EQ(c.message, Layout(MultiplePrimaryLayoutRules(), columns).Validate());
  }
}

TEST(LayoutColumns, DefinitionPairsThatDoNotFitGoThroughTheQuestion) {
  using A = DefinitionAnswer;
  struct Case {
    const char* name;
    std::vector<int32_t> pairs;  // three variables, record length 40
    std::vector<A> answers;
    std::vector<int32_t> after;
  } cases[] = {
      {"all fit: no question", {1, 5, 6, 40, -1, -1}, {}, {1, 5, 6, 40, -1, -1}},
      {"No drops every pair that does not fit, asking once",
       {1, 5, 6, 41, 0, 2},
       {A::kNo},
       {1, 5, -1, -1, -1, -1}},
      {"deleted: nothing is left", {1, 5, 6, 41, 7, 9}, {A::kDeleted}, {-1, -1, -1, -1, -1, -1}},
      {"not deleted: asked again for the next",
       {50, 51, 6, 10, 9, 12},
       {A::kNotDeleted, A::kNotDeleted},
       {-1, -1, 6, 10, -1, -1}},
      {"overlap counts as not fitting", {1, 10, 5, 6, 11, 12}, {A::kNo}, {1, 10, -1, -1, 11, 12}},
      {"garbage columns",
       {-5, 99999, 2147483647, -2147483647 - 1, 3, 3},
       {A::kNotDeleted, A::kNo},
       {-1, -1, -1, -1, 3, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<int32_t> pairs = c.pairs;
    size_t asked = 0;
    FitDefinitionPairs(pairs, 40, [&] {
      EXPECT_LT(asked, c.answers.size());
      return asked < c.answers.size() ? c.answers[asked++] : A::kNo;
    });
    EXPECT_EQ(c.answers.size(), asked);
    EXPECT_EQ(c.after, pairs);
  }
}
