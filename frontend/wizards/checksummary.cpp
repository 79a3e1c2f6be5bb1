#include "frontend/wizards/checksummary.h"

#include <initializer_list>

namespace kelvarin {

namespace {

struct SummaryItem {
  bool shown;
  const char* text;
};

// Appends the items shown, numbered from 1 without gaps.
void AppendItems(std::string& summary, std::initializer_list<SummaryItem> items) {
  int number = 0;
  for (const SummaryItem& item : items) {
    if (!item.shown) continue;
    summary += "\t" + std::to_string(++number) + "- " + item.text;
  }
}

}  // namespace

std::string BuildCheckSummary(const JobSettings& job) {
  const bool sex = job.sexStart != -1;
  const bool topography = job.topographyStart != -1;
  const bool histology = job.histologyStart != -1;
  const bool behaviour = job.behaviourStart != -1;
  const bool grade = job.gradeStart != -1;
  const bool basis = job.basisStart != -1;
  const bool age = job.ageStart != -1;
  const bool birthDate = job.birthDateStart != -1;
  const bool incidenceDate = job.incidenceDateStart != -1;
  const bool bothDates = incidenceDate && birthDate;

  std::string summary = "\t\t\tValidy checks:\r\n\r\n";
  AppendItems(summary, {
                           {sex, "Sex codes\r\n"},
                           {incidenceDate, "Date of diagnosis\r\n"},
                           {birthDate, "Birth date\r\n"},
                           {topography, "ICD-O-3 (T) code\r\n"},
                           {histology, "ICD-O-3 (M) code\r\n"},
                           {behaviour, "Behaviour code\r\n"},
                           {grade, "Grade code\r\n"},
                       });
  summary += "\r\n\t\t\tConsistency checks:\r\n\r\n";
  AppendItems(summary, {
                           {sex && topography, "Sex\t\t\t<->\tICD-O-3 (T)\r\n"},
                           {sex && histology, "Sex\t\t\t<->\tICD-O-3 (M)\r\n"},
                           {topography && histology, "ICD-O-3 (T)\t\t<->\tICD-O-3 (M)\r\n"},
                           {basis && histology, "ICD-O-3 (M)\t\t<->\tBasis of diagnosis\r\n"},
                           {behaviour && histology, "ICD-O-3 behaviour\t\t<->\tICD-O-3 (M)\r\n"},
                           {bothDates, "Incidence date\t\t<->\tBirth date\r\n"},
                           {age && bothDates, "Age\t\t\t<->\tIncidence and birth dates\r\n"},
                           {(age || bothDates) && topography, "Age\t\t\t<->\tICD-O-3 (T)\r\n"},
                           {(age || bothDates) && histology, "Age\t\t\t<->\tICD-O-3 (M)\r\n"},
                       });
  return summary;
}

}  // namespace kelvarin
