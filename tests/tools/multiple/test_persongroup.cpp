#include "tools/multiple/persongroup.h"

#include "tools/multiple/multiplelayout.h"

#include "tests/tools/multiple/testlayout.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

using namespace kelvarin;

namespace {

struct Tumour {
  const char* topography;  // 4 characters
  const char* morphology;  // 4 characters
  const char* date;        // YYYYMMDD
  const char* sequence = "00";
  char sex = '1';
};

std::string Record(const Tumour& t) {
  return std::string("P001") + t.sequence + t.sex + t.topography + t.morphology + "3" + t.date;
}

// Builds a group from the tumours, each added with its position as offset.
class GroupBuilder {
 public:
  PersonGroup& Build(const std::vector<Tumour>& tumours) {
    m_group.Clear();
    for (const Tumour& t : tumours) {
      m_records.push_back(Record(t));
      const std::size_t n = m_group.Size();
      m_group.Add(m_records.back(), static_cast<std::int64_t>(n), n, m_layout);
    }
    return m_group;
  }

 private:
  MultipleLayout m_layout = TestLayout();
  std::deque<std::string> m_records;
  PersonGroup m_group;
};

char MarkChar(PrimaryMark mark) {
  switch (mark) {
    case PrimaryMark::kStays:
      return '.';
    case PrimaryMark::kDuplicate:
      return '*';
    case PrimaryMark::kMoreSpecific:
      return '#';
  }
  return '?';
}

// The resolved group as text: for each record in sorted order its input
// position and its mark ('.' stays, '*' duplicate, '#' more specific).
std::string Outcome(const PersonGroup& group) {
  std::string text;
  for (const GroupEntry& e : group.Entries()) {
    if (!text.empty()) text += ' ';
    text += std::to_string(e.offset) + MarkChar(e.mark);
  }
  return text;
}

struct RuleCase {
  const char* name;
  std::vector<Tumour> tumours;
  const char* outcome;
};

const RuleCase kRuleCases[] = {
    {"same adenocarcinoma of the colon a year later",
     {{"C187", "8140", "20010315"}, {"C187", "8140", "20020601"}},
     "0. 1*"},
    {"colon and rectum are separate sites",
     {{"C187", "8140", "20010315"}, {"C209", "8140", "20020601"}},
     "0. 1."},
    {"rectosigmoid and rectum share a site group",
     {{"C199", "8140", "20010315"}, {"C209", "8140", "20020601"}},
     "0. 1*"},
    {"bladder and other urinary organs share a site group",
     {{"C679", "8120", "20010315"}, {"C659", "8120", "20020601"}},
     "0. 1*"},
    {"lung carcinoma NOS, then squamous, then squamous again (given out of order)",
     {{"C349", "8070", "20030101"}, {"C341", "8010", "20010101"}, {"C343", "8070", "20020101"}},
     "1. 2# 0*"},
    {"adenocarcinoma and squamous carcinoma of one site are separate",
     {{"C341", "8140", "20010101"}, {"C341", "8070", "20020101"}},
     "0. 1."},
    {"follicular lymphomas at two sites are one haematopoietic tumour",
     {{"C772", "9690", "20010101"}, {"C424", "9690", "20020101"}},
     "0. 1*"},
    {"Kaposi sarcomas of skin and intestine count once",
     {{"C445", "9140", "20010101"}, {"C210", "9140", "20020101"}},
     "0. 1*"},
    {"lymphoma NOS followed by a specific lymphoma",
     {{"C779", "9590", "20010101"}, {"C421", "9690", "20020101"}},
     "0. 1#"},
    {"specific lymphoma followed by lymphoma NOS",
     {{"C779", "9690", "20010101"}, {"C421", "9590", "20020101"}},
     "0. 1*"},
    {"two unspecified haematopoietic tumours",
     {{"C779", "9590", "20010101"}, {"C421", "9800", "20020101"}},
     "0. 1*"},
    {"mast-cell tumour then unspecified haematopoietic",
     {{"C779", "9740", "20010101"}, {"C421", "9800", "20020101"}},
     "0. 1*"},
    {"Hodgkin and follicular lymphoma are separate",
     {{"C779", "9650", "20010101"}, {"C772", "9690", "20020101"}},
     "0. 1."},
    {"myeloid and B-cell are separate",
     {{"C421", "9861", "20010101"}, {"C772", "9690", "20020101"}},
     "0. 1."},
    {"adenocarcinoma then carcinoma NOS",
     {{"C504", "8140", "20010101"}, {"C509", "8010", "20020101"}},
     "0. 1*"},
    {"two carcinomas NOS", {{"C504", "8010", "20010101"}, {"C509", "8020", "20020101"}}, "0. 1*"},
    {"two tumours of unspecified type",
     {{"C504", "8000", "20010101"}, {"C509", "8001", "20020101"}},
     "0. 1*"},
    {"unspecified type, then adenocarcinoma twice",
     {{"C504", "8000", "20010101"}, {"C509", "8140", "20020101"}, {"C501", "8140", "20030101"}},
     "0. 1# 2*"},
    {"adenocarcinoma then unspecified type",
     {{"C504", "8140", "20010101"}, {"C509", "8000", "20020101"}},
     "0. 1*"},
    {"squamous then adenocarcinoma",
     {{"C504", "8070", "20010101"}, {"C509", "8140", "20020101"}},
     "0. 1."},
    {"unspecified types at different site groups are separate",
     {{"C187", "8000", "20010101"}, {"C341", "8000", "20020101"}},
     "0. 1."},
    {"the first record takes the group of its more specific record",
     {{"C341", "8010", "20010101"}, {"C342", "8070", "20020101"}, {"C343", "8140", "20030101"}},
     "0. 1# 2."},
    {"a duplicate is skipped as first record of a pair",
     {{"C341", "8010", "20010101"}, {"C342", "8010", "20020101"}, {"C343", "8070", "20030101"}},
     "0. 1* 2#"},
    {"a record of another site stays between two of one site",
     {{"C187", "8140", "20010101"},
      {"C341", "8140", "20020101"},
      {"C189", "8140", "20030101"},
      {"C349", "8140", "20040101"}},
     "0. 1. 2* 3*"},
    {"an invalid date sorts first",
     {{"C187", "8140", "20010315"}, {"C187", "8140", "19491231"}},
     "1. 0*"},
    {"same date: the sequence number decides",
     {{"C187", "8140", "20010315", "02"}, {"C187", "8000", "20010315", "01"}},
     "1. 0#"},
    {"same date and sequence: the larger morphology first",
     {{"C187", "8000", "20010315"}, {"C187", "8140", "20010315"}},
     "1. 0*"},
    {"sequence numbers above 99 keep their date order",
     {{"C187", "8140", "20010316", "00"}, {"C187", "8140", "20010315", "99"}},
     "1. 0*"},
};

}  // namespace

TEST(PersonGroup, MarksDuplicatesAndMoreSpecificHistology) {
  for (const RuleCase& c : kRuleCases) {
    GroupBuilder builder;
    PersonGroup& group = builder.Build(c.tumours);
    group.Resolve();
    EXPECT_EQ(c.outcome, Outcome(group)) << c.name;
  }
}

TEST(PersonGroup, SetAsideCountCountsBothMarks) {
  GroupBuilder builder;
  PersonGroup& group = builder.Build({{"C341", "8010", "20010101"},
                                      {"C342", "8010", "20020101"},
                                      {"C343", "8070", "20030101"},
                                      {"C187", "8140", "20040101"}});
  group.Resolve();
  EXPECT_EQ(2, group.SetAsideCount());
}

TEST(PersonGroup, EqualRecordsKeepTheirOrder) {
  GroupBuilder builder;
  std::vector<Tumour> tumours;
  for (int i = 0; i < 12; ++i) tumours.push_back({i % 2 ? "C187" : "C341", "8140", "20010315"});
  PersonGroup& group = builder.Build(tumours);
  group.Resolve();
  for (std::size_t i = 0; i < group.Size(); ++i)
    EXPECT_EQ(static_cast<std::int64_t>(i), group.Entries()[i].offset);
}

TEST(PersonGroup, SequenceNumbersAbove99OrderWithinOneDate) {
  MultipleLayout layout = TestLayout();
  layout.seqNoStart = 25;  // three digits after the date
  layout.seqNoEnd = 27;
  const std::string records[] = {"P001001C1878140320010315150", "P001001C1878140320010315099",
                                 "P001001C1878140320010315100", "P001001C1878140320010314999"};
  PersonGroup group;
  for (int i = 0; i < 4; ++i) group.Add(records[i], i, static_cast<std::size_t>(i), layout);
  group.Resolve();
  EXPECT_EQ("3. 1* 2* 0*", Outcome(group));
  EXPECT_EQ(999, group.Entries()[0].dateKey.sequence);
}

TEST(PersonGroup, MoreThan55RecordsAllTakePart) {
  GroupBuilder builder;
  std::vector<Tumour> tumours;
  // 70 records: alternately colon and lung, each site a year apart, plus a
  // last, more specific colon record that the earliest colon record takes.
  static std::vector<std::string> dates;
  dates.clear();
  for (int i = 0; i < 70; ++i) dates.push_back(std::to_string(1950 + i) + "0101");
  for (int i = 0; i < 70; ++i)
    tumours.push_back({i % 2 ? "C341" : "C187", i < 68 ? "8010" : "8140", dates[i].c_str()});
  PersonGroup& group = builder.Build(tumours);
  group.Resolve();
  ASSERT_EQ(70u, group.Size());
  EXPECT_EQ(PrimaryMark::kStays, group.Entries()[0].mark);
  EXPECT_EQ(PrimaryMark::kStays, group.Entries()[1].mark);
  for (std::size_t i = 2; i < 68; ++i)
    EXPECT_EQ(PrimaryMark::kDuplicate, group.Entries()[i].mark) << i;
  EXPECT_EQ(PrimaryMark::kMoreSpecific, group.Entries()[68].mark);
  EXPECT_EQ(PrimaryMark::kMoreSpecific, group.Entries()[69].mark);
  EXPECT_EQ(68, group.SetAsideCount());
}

TEST(PersonGroup, MixedSexMarkComparesWithTheEarliestRecord) {
  GroupBuilder builder;
  PersonGroup& same = builder.Build(
      {{"C187", "8140", "20010101", "00", '2'}, {"C341", "8140", "20020101", "00", '2'}});
  same.Resolve();
  EXPECT_EQ(' ', same.SexMark());
  GroupBuilder other;
  PersonGroup& mixed = other.Build({{"C187", "8140", "20020101", "00", '2'},
                                    {"C341", "8140", "20010101", "00", '1'},
                                    {"C501", "8140", "20030101", "00", '1'}});
  mixed.Resolve();
  EXPECT_EQ('s', mixed.SexMark());
}

TEST(PersonGroup, MultipleFileLinesCarryMarksAndSexMark) {
  GroupBuilder builder;
  PersonGroup& group = builder.Build({{"C343", "8070", "20020101", "00", '2'},
                                      {"C341", "8010", "20010101", "00", '1'},
                                      {"C349", "8070", "20030101", "00", '1'},
                                      {"C187", "8140", "20040101", "00", '1'}});
  group.Resolve();
  std::string lines;
  group.AppendMultipleLines(lines);
  EXPECT_EQ(
      "P001001C3418010320010101\n"
      "P001002C3438070320020101 ** s\n"
      "P001001C3498070320030101 *  s\n"
      "P001001C1878140320040101 s\n"
      "\n",
      lines);
}

TEST(PersonGroup, NumberedSetAsideLinesGiveThePositionInTheGroup) {
  GroupBuilder builder;
  std::vector<Tumour> tumours;
  static std::vector<std::string> dates;
  dates.clear();
  for (int i = 0; i < 102; ++i)
    dates.push_back(std::to_string(1950 + i / 12) + "01" + (i % 12 < 9 ? "0" : "") +
                    std::to_string(i % 12 + 1));
  // Record 0 colon, 1 lung, 2 colon (duplicate), then lung records up to 101,
  // which are duplicates of record 1.
  for (int i = 0; i < 102; ++i)
    tumours.push_back({i == 0 || i == 2 ? "C187" : "C341", "8140", dates[i].c_str()});
  PersonGroup& group = builder.Build(tumours);
  group.Resolve();
  std::string lines;
  group.AppendNumberedSetAside(lines);
  const std::string first = Record(tumours[2]) + " 02\n";
  ASSERT_GE(lines.size(), first.size());
  EXPECT_EQ(first, lines.substr(0, first.size()));
  const std::string last = Record(tumours[101]) + " 101\n";
  EXPECT_EQ(last, lines.substr(lines.size() - last.size()));
  // Positions 2 to 101: the last two take three digits.
  EXPECT_EQ(100u * first.size() + 2, lines.size());
}
