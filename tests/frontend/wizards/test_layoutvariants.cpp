#include "frontend/wizards/layoutvariants.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frontend/wizards/checksummary.h"

using namespace kelvarin;

namespace {

uint32_t Int32At(const std::vector<uint8_t>& bytes, size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

// A job whose every column differs, so that a field in the wrong place shows.
JobSettings NumberedJob() {
  JobSettings job;
  int32_t JobSettings::*const columns[] = {
      &JobSettings::regNoStart,         &JobSettings::regNoEnd,
      &JobSettings::seqNoStart,         &JobSettings::seqNoEnd,
      &JobSettings::sexStart,           &JobSettings::sexEnd,
      &JobSettings::topographyStart,    &JobSettings::topographyEnd,
      &JobSettings::histologyStart,     &JobSettings::histologyEnd,
      &JobSettings::behaviourStart,     &JobSettings::behaviourEnd,
      &JobSettings::gradeStart,         &JobSettings::gradeEnd,
      &JobSettings::basisStart,         &JobSettings::basisEnd,
      &JobSettings::ageStart,           &JobSettings::ageEnd,
      &JobSettings::birthDateStart,     &JobSettings::birthDateEnd,
      &JobSettings::incidenceDateStart, &JobSettings::incidenceDateEnd,
  };
  int32_t value = 101;
  for (auto member : columns) job.*member = value++;
  job.birthDateFormat = 7;
  job.incidenceDateFormat = 3;
  job.maleCode = 'M';
  job.femaleCode = 'F';
  job.microscopicCodes = {{'a', 'b', 'c', 'd'}};
  job.ageUnknownCode = "98";
  return job;
}

}  // namespace

TEST(LayoutVariants, CheckLayoutFileHoldsEachFieldAtItsOffset) {
  const JobSettings job = NumberedJob();
  const std::vector<uint8_t> bytes = EncodeLayout(LayoutFile::kCheck, job);
  ASSERT_EQ(104u, bytes.size());
  const struct {
    size_t offset;
    int32_t value;
  } fields[] = {
      {0, job.regNoStart},        {4, job.regNoEnd},         {8, job.sexStart},
      {12, job.sexEnd},           {16, job.topographyStart}, {20, job.topographyEnd},
      {24, job.histologyStart},   {28, job.histologyEnd},    {32, job.behaviourStart},
      {36, job.behaviourEnd},     {40, job.gradeStart},      {44, job.gradeEnd},
      {48, job.basisStart},       {52, job.basisEnd},        {56, job.incidenceDateStart},
      {60, job.incidenceDateEnd}, {64, job.birthDateStart},  {68, job.birthDateEnd},
      {72, job.ageStart},         {76, job.ageEnd},          {80, job.incidenceDateFormat},
      {84, job.birthDateFormat},
  };
  for (const auto& field : fields)
    EXPECT_EQ(static_cast<uint32_t>(field.value), Int32At(bytes, field.offset)) << field.offset;
  const std::string codes(bytes.begin() + 88, bytes.end());
  EXPECT_EQ(std::string("M\0F\0a\0b\0c\0d\0"
                        "98\0\0",
                        16),
            codes);
}

TEST(LayoutVariants, MultiplePrimaryLayoutFileHoldsEachFieldAtItsOffset) {
  const JobSettings job = NumberedJob();
  const std::vector<uint8_t> bytes = EncodeLayout(LayoutFile::kMultiplePrimary, job);
  ASSERT_EQ(64u, bytes.size());
  const int32_t expected[] = {
      job.regNoStart,         job.regNoEnd,         job.seqNoStart,         job.seqNoEnd,
      job.sexStart,           job.sexEnd,           job.topographyStart,    job.topographyEnd,
      job.histologyStart,     job.histologyEnd,     job.behaviourStart,     job.behaviourEnd,
      job.incidenceDateStart, job.incidenceDateEnd, job.incidenceDateFormat};
  for (size_t i = 0; i < 15; ++i)
    EXPECT_EQ(static_cast<uint32_t>(expected[i]), Int32At(bytes, 4 * i)) << i;
  EXPECT_EQ(std::string("M\0F\0", 4), std::string(bytes.begin() + 60, bytes.end()));
}

TEST(LayoutVariants, PairsFollowTheListOrder) {
  const JobSettings job = NumberedJob();
  const std::vector<int32_t> check = LayoutPairs(LayoutFile::kCheck, job);
  EXPECT_EQ((std::vector<int32_t>{101, 102, 105, 106, 107, 108, 109, 110, 111, 112,
                                  113, 114, 115, 116, 121, 122, 119, 120, 117, 118}),
            check);
  const std::vector<int32_t> multiple = LayoutPairs(LayoutFile::kMultiplePrimary, job);
  EXPECT_EQ(
      (std::vector<int32_t>{101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 121, 122}),
      multiple);
}

TEST(LayoutVariants, OnlyCodesThatCanStandInAParameterRowAreTaken) {
  struct Case {
    const char* name;
    char male, female;
    std::array<char, 4> basis;
    std::array<char, 4> age;
    char wantMale, wantFemale;
    std::array<char, 4> wantBasis;
    const char* wantAge;
  } cases[] = {
      {"all good",
       'm',
       'f',
       {{'1', '2', '3', '4'}},
       {{'X', '\0', '\0', '\0'}},
       'm',
       'f',
       {{'1', '2', '3', '4'}},
       "X"},
      {"blank and zero codes, an empty age code",
       ' ',
       '\0',
       {{' ', '2', '\t', '4'}},
       {{'\0', '\0', '\0', '\0'}},
       '1',
       '2',
       {{'5', '2', '7', '4'}},
       ""},
      {"control characters",
       '\n',
       '\x7f',
       {{'\r', '\n', '\x01', '\x1b'}},
       {{'9', ' ', '9', '\0'}},
       '1',
       '2',
       {{'5', '6', '7', '7'}},
       "999"},
      {"8-bit codes are kept",
       '\xe9',
       '\xc9',
       {{'\xb5', '6', '7', '8'}},
       {{'\xff', '\xff', '\xff', 'x'}},
       '\xe9',
       '\xc9',
       {{'\xb5', '6', '7', '8'}},
       "\xff\xff\xff"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JobSettings job;
    RecordSettings record;  // as a definition file brings it
    record.maleCode = c.male;
    record.femaleCode = c.female;
    record.microscopicCodes = c.basis;
    record.ageUnknownCode.assign(c.age.data(), 3);
    record.incidenceDateFormat = 4;
    record.birthDateFormat = 2;
    TakeLayoutValues(LayoutFile::kCheck, record, job);
    EXPECT_EQ(c.wantMale, job.maleCode);
    EXPECT_EQ(c.wantFemale, job.femaleCode);
    EXPECT_EQ(c.wantBasis, job.microscopicCodes);
    EXPECT_EQ(c.wantAge, job.ageUnknownCode);
    EXPECT_EQ(4, job.incidenceDateFormat);
    EXPECT_EQ(2, job.birthDateFormat);

    JobSettings multiple;
    RecordSettings mpr;
    mpr.maleCode = c.male;
    mpr.femaleCode = c.female;
    mpr.incidenceDateFormat = 6;
    mpr.birthDateFormat = 5;  // not in a .mpr file
    TakeLayoutValues(LayoutFile::kMultiplePrimary, mpr, multiple);
    EXPECT_EQ(c.wantMale, multiple.maleCode);
    EXPECT_EQ(c.wantFemale, multiple.femaleCode);
    EXPECT_EQ(6, multiple.incidenceDateFormat);
    EXPECT_EQ(-1, multiple.birthDateFormat);
  }
}

TEST(LayoutVariants, AgeUnknownCodes) {
  for (const char* good : {"", "9", "99", "999", "X-1", "\xff"})
    EXPECT_TRUE(IsAgeUnknownCode(good)) << good;
  for (const char* bad : {" ", "9 9", "9999", "\t", "99\n"})
    EXPECT_FALSE(IsAgeUnknownCode(bad)) << bad;
}

TEST(CheckSummary, ListsTheChecksNumberedWithoutGaps) {
  struct Case {
    const char* name;
    std::vector<int32_t JobSettings::*> defined;
    const char* validity;
    const char* consistency;
  } cases[] = {
      {"registration number and sex",
       {&JobSettings::regNoStart, &JobSettings::sexStart},
       "\t1- Sex codes\r\n",
       ""},
      {"topography and histology only",
       {&JobSettings::topographyStart, &JobSettings::histologyStart},
       "\t1- ICD-O-3 (T) code\r\n\t2- ICD-O-3 (M) code\r\n",
       "\t1- ICD-O-3 (T)\t\t<->\tICD-O-3 (M)\r\n"},
      {"both dates and topography without age",
       {&JobSettings::incidenceDateStart, &JobSettings::birthDateStart,
        &JobSettings::topographyStart},
       "\t1- Date of diagnosis\r\n\t2- Birth date\r\n\t3- ICD-O-3 (T) code\r\n",
       "\t1- Incidence date\t\t<->\tBirth date\r\n\t2- Age\t\t\t<->\tICD-O-3 (T)\r\n"},
      {"age and histology",
       {&JobSettings::ageStart, &JobSettings::histologyStart},
       "\t1- ICD-O-3 (M) code\r\n",
       "\t1- Age\t\t\t<->\tICD-O-3 (M)\r\n"},
      {"one date and histology",
       {&JobSettings::incidenceDateStart, &JobSettings::histologyStart},
       "\t1- Date of diagnosis\r\n\t2- ICD-O-3 (M) code\r\n",
       ""},
      {"basis, grade and behaviour without histology",
       {&JobSettings::basisStart, &JobSettings::gradeStart, &JobSettings::behaviourStart},
       "\t1- Behaviour code\r\n\t2- Grade code\r\n",
       ""},
      {"everything",
       {&JobSettings::regNoStart, &JobSettings::sexStart, &JobSettings::topographyStart,
        &JobSettings::histologyStart, &JobSettings::behaviourStart, &JobSettings::gradeStart,
        &JobSettings::basisStart, &JobSettings::ageStart, &JobSettings::birthDateStart,
        &JobSettings::incidenceDateStart},
       "\t1- Sex codes\r\n\t2- Date of diagnosis\r\n\t3- Birth date\r\n\t4- ICD-O-3 (T) code\r\n"
       "\t5- ICD-O-3 (M) code\r\n\t6- Behaviour code\r\n\t7- Grade code\r\n",
       "\t1- Sex\t\t\t<->\tICD-O-3 (T)\r\n\t2- Sex\t\t\t<->\tICD-O-3 (M)\r\n"
       "\t3- ICD-O-3 (T)\t\t<->\tICD-O-3 (M)\r\n\t4- ICD-O-3 (M)\t\t<->\tBasis of diagnosis\r\n"
       "\t5- ICD-O-3 behaviour\t\t<->\tICD-O-3 (M)\r\n\t6- Incidence date\t\t<->\tBirth date\r\n"
       "\t7- Age\t\t\t<->\tIncidence and birth dates\r\n\t8- Age\t\t\t<->\tICD-O-3 (T)\r\n"
       "\t9- Age\t\t\t<->\tICD-O-3 (M)\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JobSettings job;
    for (auto member : c.defined) job.*member = 1;
    EXPECT_EQ(std::string("\t\t\tValidy checks:\r\n\r\n") + c.validity +
                  "\r\n\t\t\tConsistency checks:\r\n\r\n" + c.consistency,
              BuildCheckSummary(job));
  }
}
