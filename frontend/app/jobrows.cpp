#include "frontend/app/jobrows.h"

namespace kelvarin {

namespace {

using JobInt = int32_t JobSettings::*;

// The row fields that carry a whole-number member as it stands.
template <typename Row>
struct RowField {
  int Row::*field;
  JobInt member;
};

const RowField<CheckRow> kCheckRowFields[] = {
    {&CheckRow::regNoStart, &JobSettings::regNoStart},
    {&CheckRow::regNoEnd, &JobSettings::regNoEnd},
    {&CheckRow::sexStart, &JobSettings::sexStart},
    {&CheckRow::sexEnd, &JobSettings::sexEnd},
    {&CheckRow::topographyStart, &JobSettings::topographyStart},
    {&CheckRow::topographyEnd, &JobSettings::topographyEnd},
    {&CheckRow::histologyStart, &JobSettings::histologyStart},
    {&CheckRow::histologyEnd, &JobSettings::histologyEnd},
    {&CheckRow::behaviourStart, &JobSettings::behaviourStart},
    {&CheckRow::behaviourEnd, &JobSettings::behaviourEnd},
    {&CheckRow::gradeStart, &JobSettings::gradeStart},
    {&CheckRow::gradeEnd, &JobSettings::gradeEnd},
    {&CheckRow::basisStart, &JobSettings::basisStart},
    {&CheckRow::basisEnd, &JobSettings::basisEnd},
    {&CheckRow::ageStart, &JobSettings::ageStart},
    {&CheckRow::ageEnd, &JobSettings::ageEnd},
    {&CheckRow::birthDateStart, &JobSettings::birthDateStart},
    {&CheckRow::birthDateEnd, &JobSettings::birthDateEnd},
    {&CheckRow::birthDateFormat, &JobSettings::birthDateFormat},
    {&CheckRow::incidenceDateStart, &JobSettings::incidenceDateStart},
    {&CheckRow::incidenceDateEnd, &JobSettings::incidenceDateEnd},
    {&CheckRow::incidenceDateFormat, &JobSettings::incidenceDateFormat},
    {&CheckRow::recordLength, &JobSettings::recordLength},
    {&CheckRow::oneRecordPerError, &JobSettings::optionB},
};

const RowField<MultiplePrimaryRow> kMultiplePrimaryRowFields[] = {
    {&MultiplePrimaryRow::regNoStart, &JobSettings::regNoStart},
    {&MultiplePrimaryRow::regNoEnd, &JobSettings::regNoEnd},
    {&MultiplePrimaryRow::seqNoStart, &JobSettings::seqNoStart},
    {&MultiplePrimaryRow::seqNoEnd, &JobSettings::seqNoEnd},
    {&MultiplePrimaryRow::sexStart, &JobSettings::sexStart},
    {&MultiplePrimaryRow::sexEnd, &JobSettings::sexEnd},
    {&MultiplePrimaryRow::topographyStart, &JobSettings::topographyStart},
    {&MultiplePrimaryRow::topographyEnd, &JobSettings::topographyEnd},
    {&MultiplePrimaryRow::histologyStart, &JobSettings::histologyStart},
    {&MultiplePrimaryRow::histologyEnd, &JobSettings::histologyEnd},
    {&MultiplePrimaryRow::behaviourStart, &JobSettings::behaviourStart},
    {&MultiplePrimaryRow::behaviourEnd, &JobSettings::behaviourEnd},
    {&MultiplePrimaryRow::incidenceDateStart, &JobSettings::incidenceDateStart},
    {&MultiplePrimaryRow::incidenceDateEnd, &JobSettings::incidenceDateEnd},
    {&MultiplePrimaryRow::incidenceDateFormat, &JobSettings::incidenceDateFormat},
    {&MultiplePrimaryRow::includeBrain, &JobSettings::includeBrain},
    {&MultiplePrimaryRow::includeBladder, &JobSettings::includeBladder},
    {&MultiplePrimaryRow::duplicatesToFile, &JobSettings::duplicatesToFile},
    {&MultiplePrimaryRow::recordLength, &JobSettings::recordLength},
};

// What a command takes back from its wizard: the paths, and every member its
// row carries (the whole numbers of its row fields, the sex codes, the file
// size).
template <typename Row, size_t N>
void CopyBack(const JobSettings& sheet, JobSettings& job, const RowField<Row> (&fields)[N]) {
  job.inputFile = sheet.inputFile;
  job.outputFile = sheet.outputFile;
  job.inputFolder = sheet.inputFolder;
  job.outputFolder = sheet.outputFolder;
  for (const RowField<Row>& f : fields) job.*(f.member) = sheet.*(f.member);
  job.maleCode = sheet.maleCode;
  job.femaleCode = sheet.femaleCode;
  job.fileSize = sheet.fileSize;
}

template <typename Row, size_t N>
Row RowOf(const JobSettings& job, const RowField<Row> (&fields)[N]) {
  Row row;
  for (const RowField<Row>& f : fields) row.*(f.field) = job.*(f.member);
  row.maleCode = job.maleCode;
  row.femaleCode = job.femaleCode;
  row.fileSize = job.fileSize;
  return row;
}

}  // namespace

void CopyBackCheck(const JobSettings& sheet, JobSettings& job) {
  CopyBack(sheet, job, kCheckRowFields);
  job.microscopicCodes = sheet.microscopicCodes;
  job.ageUnknownCode = sheet.ageUnknownCode;
}

void CopyBackMultiplePrimary(const JobSettings& sheet, JobSettings& job) {
  CopyBack(sheet, job, kMultiplePrimaryRowFields);
}

CheckRow CheckRowOf(const JobSettings& job) {
  CheckRow row = RowOf(job, kCheckRowFields);
  for (size_t i = 0; i < job.microscopicCodes.size(); ++i)
    row.microscopicCodes[i] = job.microscopicCodes[i];
  row.ageUnknownCode = job.ageUnknownCode;
  return row;
}

MultiplePrimaryRow MultiplePrimaryRowOf(const JobSettings& job) {
  return RowOf(job, kMultiplePrimaryRowFields);
}

}  // namespace kelvarin
