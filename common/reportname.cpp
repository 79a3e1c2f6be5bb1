#include "common/reportname.h"

#include <cstdio>

namespace kelvarin {

const char* const WeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
const char* const MonthNames[12] = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};

std::string DeriveReportName(const std::string& path, const std::string& suffix) {
  const size_t slash = path.find_last_of('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = path.find_last_of('.');
  if (dot != std::string::npos && dot > nameStart) return path.substr(0, dot) + suffix;
  return path + suffix;
}

std::string ReportTitle(const std::string& programTitle, const std::tm& start) {
  const int weekday = start.tm_wday >= 0 && start.tm_wday < 7 ? start.tm_wday : 0;
  const int month = start.tm_mon >= 0 && start.tm_mon < 12 ? start.tm_mon : 0;
  char line[160];
  std::snprintf(line, sizeof line, " - %s %02d %s %4d-%02d:%02d\n", WeekdayNames[weekday],
                start.tm_mday, MonthNames[month], start.tm_year + 1900, start.tm_hour,
                start.tm_min);
  return programTitle + line;
}

std::string TodayText(const std::tm& start) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d%02d%02d", start.tm_year + 1900, start.tm_mon + 1,
                start.tm_mday);
  return text;
}

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace kelvarin
