// The job settings at start-up.
#include <gtest/gtest.h>

#include "frontend/job/jobsettings.h"

namespace kelvarin {
namespace {

// A record in which every member differs from its start-up value.
JobSettings Scribbled() {
  JobSettings job;
  int32_t value = 7;
  for (int32_t* member : {&job.regNoStart,       &job.regNoEnd,
                          &job.seqNoStart,       &job.seqNoEnd,
                          &job.sexStart,         &job.sexEnd,
                          &job.topographyStart,  &job.topographyEnd,
                          &job.histologyStart,   &job.histologyEnd,
                          &job.behaviourStart,   &job.behaviourEnd,
                          &job.gradeStart,       &job.gradeEnd,
                          &job.basisStart,       &job.basisEnd,
                          &job.ageStart,         &job.ageEnd,
                          &job.birthDateStart,   &job.birthDateEnd,
                          &job.birthDateFormat,  &job.incidenceDateStart,
                          &job.incidenceDateEnd, &job.incidenceDateFormat,
                          &job.optionB,          &job.optionA,
                          &job.includeBrain,     &job.includeBladder,
                          &job.duplicatesToFile, &job.scrollColumn,
                          &job.selectedVariable, &job.pendingMarker,
                          &job.recordLength,     &job.previewLineCount})
    *member = value++;
  job.includeBladder = 0;
  job.duplicatesToFile = 0;
  job.microscopicCodes = {'1', '2', '3', '4'};
  job.ageUnknownCode = "00";
  job.maleCode = 'M';
  job.femaleCode = 'F';
  job.previewLineLengths.fill(80);
  job.previewLines.fill(std::string(80, 'x'));
  job.fileSize = 1234;
  job.inputFile = "/data/in.txt";
  job.outputFile = "/data/out.txt";
  job.inputFolder = "/data";
  job.outputFolder = "/results";
  return job;
}

TEST(StartupDefaults, EveryVariableUndefinedAndTheDefaultCodes) {
  JobSettings job = Scribbled();
  SetStartupDefaults(job);
  const int32_t columns[] = {
      job.regNoStart,         job.regNoEnd,        job.seqNoStart,      job.seqNoEnd,
      job.sexStart,           job.sexEnd,          job.topographyStart, job.topographyEnd,
      job.histologyStart,     job.histologyEnd,    job.behaviourStart,  job.behaviourEnd,
      job.gradeStart,         job.gradeEnd,        job.basisStart,      job.basisEnd,
      job.ageStart,           job.ageEnd,          job.birthDateStart,  job.birthDateEnd,
      job.incidenceDateStart, job.incidenceDateEnd};
  for (int32_t column : columns) EXPECT_EQ(-1, column);
  EXPECT_EQ(-1, job.birthDateFormat);
  EXPECT_EQ(-1, job.incidenceDateFormat);
  EXPECT_EQ('1', job.maleCode);
  EXPECT_EQ('2', job.femaleCode);
  EXPECT_EQ(0, job.optionA);
  EXPECT_EQ(0, job.optionB);
  EXPECT_EQ(0, job.includeBrain);
  EXPECT_EQ(1, job.includeBladder);
  EXPECT_EQ(1, job.duplicatesToFile);
  // The fourth microscopic code is '7' again.
  EXPECT_EQ((std::array<char, 4>{'5', '6', '7', '7'}), job.microscopicCodes);
  EXPECT_EQ("999", job.ageUnknownCode);
}

TEST(StartupDefaults, LayoutStateAndPreviewClearedPathsKept) {
  JobSettings job = Scribbled();
  SetStartupDefaults(job);
  EXPECT_EQ(0, job.scrollColumn);
  EXPECT_EQ(0, job.selectedVariable);
  EXPECT_EQ(-1, job.pendingMarker);
  EXPECT_EQ(0, job.recordLength);
  EXPECT_EQ(0, job.previewLineCount);
  for (int i = 0; i < kPreviewLines; ++i) {
    EXPECT_EQ(0, job.previewLineLengths[i]);
    EXPECT_TRUE(job.previewLines[i].empty());
  }
  EXPECT_EQ("/data/in.txt", job.inputFile);
  EXPECT_EQ("/data/out.txt", job.outputFile);
  EXPECT_EQ("/data", job.inputFolder);
  EXPECT_EQ("/results", job.outputFolder);
}

}  // namespace
}  // namespace kelvarin
