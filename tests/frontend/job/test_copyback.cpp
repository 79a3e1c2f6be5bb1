#include "frontend/job/jobsettings.h"

#include "common/parameterfile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace kelvarin;

namespace {

using IntMember = int32_t JobSettings::*;

struct NamedMember {
  const char* name;
  IntMember member;
};

#define MEMBER(m) \
  { #m, &JobSettings::m }
const NamedMember kIntMembers[] = {
    MEMBER(regNoStart),       MEMBER(regNoEnd),
    MEMBER(seqNoStart),       MEMBER(seqNoEnd),
    MEMBER(sexStart),         MEMBER(sexEnd),
    MEMBER(topographyStart),  MEMBER(topographyEnd),
    MEMBER(histologyStart),   MEMBER(histologyEnd),
    MEMBER(behaviourStart),   MEMBER(behaviourEnd),
    MEMBER(gradeStart),       MEMBER(gradeEnd),
    MEMBER(basisStart),       MEMBER(basisEnd),
    MEMBER(ageStart),         MEMBER(ageEnd),
    MEMBER(birthDateStart),   MEMBER(birthDateEnd),
    MEMBER(birthDateFormat),  MEMBER(incidenceDateStart),
    MEMBER(incidenceDateEnd), MEMBER(incidenceDateFormat),
    MEMBER(optionB),          MEMBER(optionA),
    MEMBER(includeBrain),     MEMBER(includeBladder),
    MEMBER(duplicatesToFile), MEMBER(conversionIndex),
    MEMBER(scrollColumn),     MEMBER(selectedVariable),
    MEMBER(pendingMarker),    MEMBER(recordLength),
    MEMBER(previewLineCount), MEMBER(firstRowHasNames),
};
#undef MEMBER

// A sheet in which every member differs from the defaults.
JobSettings ChangedSheet() {
  JobSettings sheet;
  int32_t value = 500;
  for (const NamedMember& m : kIntMembers) sheet.*(m.member) = value++;
  sheet.microscopicCodes = {{'a', 'b', 'c', 'd'}};
  sheet.ageUnknownCode = "77";
  sheet.maleCode = 'M';
  sheet.femaleCode = 'F';
  sheet.previewLineLengths[0] = 9;
  sheet.previewLines[0] = "preview";
  sheet.fileSize = 123456789012ull;
  sheet.inputFile = "/in/cases.txt";
  sheet.outputFile = "/out/result.txt";
  sheet.inputFolder = "/in";
  sheet.outputFolder = "/out";
  return sheet;
}

// The names of the members that differ between two records.
std::set<std::string> Changed(const JobSettings& a, const JobSettings& b) {
  std::set<std::string> names;
  for (const NamedMember& m : kIntMembers)
    if (a.*(m.member) != b.*(m.member)) names.insert(m.name);
  if (a.microscopicCodes != b.microscopicCodes) names.insert("microscopicCodes");
  if (a.ageUnknownCode != b.ageUnknownCode) names.insert("ageUnknownCode");
  if (a.maleCode != b.maleCode) names.insert("maleCode");
  if (a.femaleCode != b.femaleCode) names.insert("femaleCode");
  if (a.previewLineLengths != b.previewLineLengths || a.previewLines != b.previewLines)
    names.insert("preview");
  if (a.fileSize != b.fileSize) names.insert("fileSize");
  if (a.inputFile != b.inputFile) names.insert("inputFile");
  if (a.outputFile != b.outputFile) names.insert("outputFile");
  if (a.inputFolder != b.inputFolder) names.insert("inputFolder");
  if (a.outputFolder != b.outputFolder) names.insert("outputFolder");
  return names;
}

// The row a tool reads: the members' values blank-separated, in the order
// the tool takes them, followed by the given tail.
std::string Fields(const JobSettings& job, std::initializer_list<IntMember> members,
                   const std::string& tail) {
  std::string row;
  for (IntMember m : members) row += std::to_string(job.*m) + " ";
  return row + tail + "\n";
}

const std::set<std::string> kPaths = {"inputFile", "outputFile", "inputFolder", "outputFolder"};

std::set<std::string> With(std::set<std::string> names, std::initializer_list<const char*> more) {
  names.insert(more.begin(), more.end());
  return names;
}

}  // namespace

TEST(JobRows, CheckCopiesBackItsOwnMembersOnly) {
  JobSettings job;
  CopyBack(ChangedSheet(), job, kCheckRowType);
  EXPECT_EQ(With(kPaths, {"regNoStart",       "regNoEnd",
                          "sexStart",         "sexEnd",
                          "topographyStart",  "topographyEnd",
                          "histologyStart",   "histologyEnd",
                          "behaviourStart",   "behaviourEnd",
                          "gradeStart",       "gradeEnd",
                          "basisStart",       "basisEnd",
                          "ageStart",         "ageEnd",
                          "birthDateStart",   "birthDateEnd",
                          "birthDateFormat",  "incidenceDateStart",
                          "incidenceDateEnd", "incidenceDateFormat",
                          "optionB",          "microscopicCodes",
                          "ageUnknownCode",   "maleCode",
                          "femaleCode",       "recordLength",
                          "fileSize"}),
            Changed(JobSettings(), job));
}

TEST(JobRows, MultiplePrimaryCopiesBackItsOwnMembersOnly) {
  JobSettings job;
  CopyBack(ChangedSheet(), job, kMultiplePrimaryRowType);
  EXPECT_EQ(
      With(kPaths,
           {"regNoStart",         "regNoEnd",         "seqNoStart",          "seqNoEnd",
            "sexStart",           "sexEnd",           "topographyStart",     "topographyEnd",
            "histologyStart",     "histologyEnd",     "behaviourStart",      "behaviourEnd",
            "incidenceDateStart", "incidenceDateEnd", "incidenceDateFormat", "maleCode",
            "femaleCode",         "includeBrain",     "includeBladder",      "duplicatesToFile",
            "recordLength",       "fileSize"}),
      Changed(JobSettings(), job));
}

// What the conversion command will take back: the six pairs, the codes, the
// record length, the file size and both options.
TEST(JobRows, ConversionCopiesBackItsOwnMembersOnly) {
  JobSettings job;
  CopyBack(ChangedSheet(), job, kConversionRowType);
  EXPECT_EQ(With(kPaths, {"regNoStart", "regNoEnd", "sexStart", "sexEnd", "topographyStart",
                          "topographyEnd", "histologyStart", "histologyEnd", "behaviourStart",
                          "behaviourEnd", "gradeStart", "gradeEnd", "maleCode", "femaleCode",
                          "recordLength", "fileSize", "optionA", "optionB"}),
            Changed(JobSettings(), job));
}

TEST(JobRows, CheckRowReadsBackAsWritten) {
  JobSettings job = ChangedSheet();
  job.microscopicCodes = {{'5', '\xe9', '7', '!'}};
  for (const std::string age : {"999", "X", "\xff\xff"}) {
    job.ageUnknownCode = age;
    const std::string line = FormatRow(kCheckRowType, job);
    CheckRow read;
    std::string error;
    ASSERT_TRUE(ParseRow(line, &read, &error)) << line << error;
    EXPECT_EQ(job.regNoStart, read.regNoStart);
    EXPECT_EQ(job.birthDateFormat, read.birthDateFormat);
    EXPECT_EQ(job.incidenceDateStart, read.incidenceDateStart);
    EXPECT_EQ(job.incidenceDateFormat, read.incidenceDateFormat);
    EXPECT_EQ(std::string(job.microscopicCodes.data(), 4),
              std::string(read.microscopicCodes.data(), 4));
    EXPECT_EQ(job.maleCode, read.maleCode);
    EXPECT_EQ(job.femaleCode, read.femaleCode);
    EXPECT_EQ(job.recordLength, read.recordLength);
    EXPECT_EQ(job.fileSize, read.fileSize);
    EXPECT_EQ(job.optionB, read.oneRecordPerError());
    EXPECT_EQ(age, read.ageUnknownCode);
  }
}

TEST(JobRows, MultiplePrimaryRowReadsBackAsWritten) {
  const JobSettings job = ChangedSheet();
  const std::string line = FormatRow(kMultiplePrimaryRowType, job);
  MultiplePrimaryRow read;
  std::string error;
  ASSERT_TRUE(ParseRow(line, &read, &error)) << line << error;
  EXPECT_EQ(job.seqNoStart, read.seqNoStart);
  EXPECT_EQ(job.behaviourEnd, read.behaviourEnd);
  EXPECT_EQ(job.incidenceDateStart, read.incidenceDateStart);
  EXPECT_EQ(job.incidenceDateEnd, read.incidenceDateEnd);
  EXPECT_EQ(job.incidenceDateFormat, read.incidenceDateFormat);
  EXPECT_EQ(job.maleCode, read.maleCode);
  EXPECT_EQ(job.femaleCode, read.femaleCode);
  EXPECT_EQ(job.includeBrain, read.includeBrain);
  EXPECT_EQ(job.includeBladder, read.includeBladder);
  EXPECT_EQ(job.duplicatesToFile, read.duplicatesToFile);
  EXPECT_EQ(job.recordLength, read.recordLength);
  EXPECT_EQ(job.fileSize, read.fileSize);
}

TEST(JobRows, RowsCarryEveryMemberInTheToolsFieldOrder) {
  // Every whole number of the sheet differs, so a field taken from the
  // wrong member or written in the wrong place shows.
  const JobSettings job = ChangedSheet();
  using J = JobSettings;
  EXPECT_EQ(Fields(job, {&J::regNoStart,       &J::regNoEnd,
                         &J::sexStart,         &J::sexEnd,
                         &J::topographyStart,  &J::topographyEnd,
                         &J::histologyStart,   &J::histologyEnd,
                         &J::behaviourStart,   &J::behaviourEnd,
                         &J::gradeStart,       &J::gradeEnd,
                         &J::basisStart,       &J::basisEnd,
                         &J::ageStart,         &J::ageEnd,
                         &J::birthDateStart,   &J::birthDateEnd,
                         &J::birthDateFormat,  &J::incidenceDateStart,
                         &J::incidenceDateEnd, &J::incidenceDateFormat},
                   "a b c d M F " + std::to_string(job.recordLength) + " 123456789012 " +
                       std::to_string(job.optionB) + " 77"),
            FormatRow(kCheckRowType, job));
  EXPECT_EQ(
      Fields(job,
             {&J::regNoStart, &J::regNoEnd, &J::seqNoStart, &J::seqNoEnd, &J::sexStart, &J::sexEnd,
              &J::topographyStart, &J::topographyEnd, &J::histologyStart, &J::histologyEnd,
              &J::behaviourStart, &J::behaviourEnd, &J::incidenceDateStart, &J::incidenceDateEnd,
              &J::incidenceDateFormat},
             "M F " + std::to_string(job.includeBrain) + " " + std::to_string(job.includeBladder) +
                 " " + std::to_string(job.duplicatesToFile) + " " +
                 std::to_string(job.recordLength) + " 123456789012"),
      FormatRow(kMultiplePrimaryRowType, job));
  EXPECT_EQ(Fields(job,
                   {&J::regNoStart, &J::regNoEnd, &J::sexStart, &J::sexEnd, &J::topographyStart,
                    &J::topographyEnd, &J::histologyStart, &J::histologyEnd, &J::behaviourStart,
                    &J::behaviourEnd, &J::gradeStart, &J::gradeEnd},
                   "M F " + std::to_string(job.recordLength) + " 123456789012 " +
                       std::to_string(job.optionA) + " " + std::to_string(job.optionB)),
            FormatRow(kConversionRowType, job));
}
