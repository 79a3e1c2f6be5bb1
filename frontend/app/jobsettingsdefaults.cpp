#include "frontend/app/jobsettingsdefaults.h"

namespace kelvarin {

void SetStartupDefaults(JobSettings& job) {
  for (int32_t* column : {&job.regNoStart,         &job.regNoEnd,         &job.seqNoStart,
                          &job.seqNoEnd,           &job.sexStart,         &job.sexEnd,
                          &job.topographyStart,    &job.topographyEnd,    &job.histologyStart,
                          &job.histologyEnd,       &job.behaviourStart,   &job.behaviourEnd,
                          &job.gradeStart,         &job.gradeEnd,         &job.basisStart,
                          &job.basisEnd,           &job.ageStart,         &job.ageEnd,
                          &job.birthDateStart,     &job.birthDateEnd,     &job.birthDateFormat,
                          &job.incidenceDateStart, &job.incidenceDateEnd, &job.incidenceDateFormat})
    *column = -1;
  job.maleCode = '1';
  job.femaleCode = '2';
  job.optionB = 0;
  job.optionA = 0;
  job.includeBrain = 0;
  job.includeBladder = 1;
  job.duplicatesToFile = 1;
  job.microscopicCodes = {'5', '6', '7', '7'};
  job.ageUnknownCode = "999";

  job.scrollColumn = 0;
  job.selectedVariable = 0;
  job.pendingMarker = -1;
  job.recordLength = 0;
  job.previewLineCount = 0;
  job.previewLineLengths.fill(0);
  for (std::string& line : job.previewLines) line.clear();
}

}  // namespace kelvarin
