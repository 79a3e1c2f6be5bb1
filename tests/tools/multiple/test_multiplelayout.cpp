#include "tools/multiple/multiplelayout.h"

#include "tests/tools/multiple/testlayout.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvarin;

namespace {}  // namespace

TEST(FieldNumber, ReadsDigitsAfterLeadingBlanksUpToTheFirstNonDigit) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"07", 7},
      {"18", 18},
      {" 7", 7},
      {"7 ", 7},
      {"  ", 0},
      {"x7", 0},
      {"7x", 7},
      {"-5", 0},
      {"+5", 0},
      {"\xb5"
       "1",
       0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, FieldNumber(c.text, 1, 2)) << "'" << c.text << "'";
}

TEST(FieldNumber, NeverReadsPastTheFieldOrTheRecord) {
  EXPECT_EQ(12, FieldNumber("1234", 1, 2));  // the width bounds the number
  EXPECT_EQ(4, FieldNumber("1234", 4, 2));   // cut at the end of the record
  EXPECT_EQ(0, FieldNumber("1234", 5, 2));
  EXPECT_EQ(0, FieldNumber("1234", 0, 2));
  EXPECT_EQ(0, FieldNumber("1234", -1, 2));
  EXPECT_EQ(0, FieldNumber(" 9", 1, 1));  // a blank field does not reach into the next column
}

// The C prefix is decided for each record, so both forms in one file give the
// same site.
TEST(MultipleLayout, TopographyPrefixIsDecidedPerRecord) {
  const MultipleLayout layout = TestLayout();
  EXPECT_EQ(18, layout.Site("000101 C18781403200103151"));
  EXPECT_EQ(18, layout.Site("000101 18781403200103151"));
  EXPECT_EQ(18, layout.Site("000101 c18781403200103151"));
  EXPECT_EQ(67, layout.Site("000101 C679    2"));
  EXPECT_EQ(0, layout.Site("000101   "));
  EXPECT_EQ(4, layout.Site("000101 C04"));
}

TEST(MultipleLayout, ReadsEachVariableFromItsColumns) {
  const MultipleLayout layout = TestLayout();
  const std::string record = "A12B072C187814032001031599";
  EXPECT_EQ("A12B", layout.PersonKey(record));
  EXPECT_EQ('2', layout.Sex(record));
  EXPECT_EQ(18, layout.Site(record));
  EXPECT_EQ(8140, layout.Morphology(record));
  EXPECT_EQ('3', layout.Behaviour(record));
  EXPECT_EQ(7, layout.Sequence(record));
}

TEST(MultipleLayout, SequenceNumberAsTheDigitTestReadsIt) {
  MultipleLayout layout = TestLayout();
  const struct {
    const char* field;
    std::int64_t value;
  } cases[] = {{"05", 5}, {" 5", 5}, {"5 ", 50}, {"  ", 0}, {"5x", 0}, {"x5", 0}, {"99", 99}};
  for (const auto& c : cases) {
    const std::string record = std::string("KEY1") + c.field + "1C18";
    EXPECT_EQ(c.value, layout.Sequence(record)) << "'" << c.field << "'";
  }
  layout.seqNoEnd = 7;
  EXPECT_EQ(123, layout.Sequence("KEY1123"));
  layout.seqNoStart = 0;
  EXPECT_EQ(0, layout.Sequence("KEY1123"));
  layout.seqNoStart = -1;
  EXPECT_EQ(0, layout.Sequence("KEY1123"));
}

TEST(MultipleLayout, IncidenceKeyJoinsDateAndSequence) {
  MultipleLayout layout = TestLayout();
  EXPECT_EQ((DateKey{20010315, 7}), layout.IncidenceKey("A12B072C18781403200103151"));
  EXPECT_EQ(DateKey{}, layout.IncidenceKey("A12B072C187814032001031"));  // date cut off
  EXPECT_EQ(DateKey{}, layout.IncidenceKey("A12B072C18781403194903151"));
  layout.incidenceDateStart = -1;
  EXPECT_EQ(DateKey{}, layout.IncidenceKey("A12B072C18781403200103151"));
}

TEST(MultipleLayout, AbsentOrOutsideFieldsReadAsBlankOrZero) {
  MultipleLayout layout = TestLayout();
  layout.sexStart = -1;
  layout.behaviourStart = 99;
  layout.histologyStart = 0;
  const std::string record = "A12B072C187814032001031";
  EXPECT_EQ(' ', layout.Sex(record));
  EXPECT_EQ(' ', layout.Behaviour(record));
  EXPECT_EQ(0, layout.Morphology(record));
  EXPECT_EQ("", layout.PersonKey("A1"));
}

TEST(Inclusion, MalignantAlwaysBrainAndBladderOnRequest) {
  const struct {
    int site;
    char behaviour;
    bool brain, bladder, included;
  } cases[] = {
      {18, '3', false, false, true}, {0, '3', false, false, true},   {18, '6', true, true, false},
      {18, '9', true, true, false},  {67, '2', false, true, true},   {67, '2', false, false, false},
      {67, '1', false, true, true},  {67, '0', true, true, false},   {67, '3', false, false, true},
      {71, '0', true, false, true},  {71, '0', false, true, false},  {70, '1', true, false, true},
      {72, '1', true, false, true},  {73, '1', true, false, false},  {69, '0', true, false, false},
      {71, '2', true, true, false},  {71, '2', false, false, false}, {68, '2', true, true, false},
      {67, ' ', true, true, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.included, IsIncluded(c.site, c.behaviour, c.brain, c.bladder))
        << c.site << "/" << c.behaviour << " brain " << c.brain << " bladder " << c.bladder;
}
