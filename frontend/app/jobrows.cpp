#include "frontend/app/jobrows.h"

namespace kelvarin {

void CopyBack(const JobSettings& sheet, JobSettings& job, RowType row) {
  job.inputFile = sheet.inputFile;
  job.outputFile = sheet.outputFile;
  job.inputFolder = sheet.inputFolder;
  job.outputFolder = sheet.outputFolder;
  CopyRowValues(row, sheet, job);
}

}  // namespace kelvarin
