// Names and title lines of the reports every tool program writes.
#pragma once

#include <ctime>
#include <string>

namespace kelvarin {

extern const char* const WeekdayNames[7];  // index 0 = Sunday
extern const char* const MonthNames[12];   // index 0 = January

// The report path for a data path: the text before the last '.' of the file
// name followed by the suffix; the whole path followed by the suffix when the
// file name has no '.' or only a leading one. Folder names never count.
std::string DeriveReportName(const std::string& path, const std::string& suffix);

// The dated title line that opens every report, line end included:
// "<title> - Monday 07 December 2026-23:05\n".
std::string ReportTitle(const std::string& programTitle, const std::tm& start);

// The start date as "YYYYMMDD".
std::string TodayText(const std::tm& start);

// The current local time, read once at the start of a run.
std::tm LocalNow();

}  // namespace kelvarin
