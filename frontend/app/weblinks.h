// The Help menu's web links and the routine that opens an address.
#pragma once

#include <QString>
#include <array>

#include "frontend/res/commandids.h"

class QWidget;

namespace kelvarin {

struct WebLink {
  int command;
  const char* address;
};

// The project's own pages (neutral addresses of this project) and the WHO's
// online ICD-O-3 reference and ICD-10 browser (2010 edition, English).
inline constexpr std::array<WebLink, 5> kWebLinks = {{
    {kIdWebHomePage, "https://kelvarin.example.org/"},
    {kIdWebCancerStatistics, "https://kelvarin.example.org/statistics.html"},
    {kIdWebCancerRegistration, "https://kelvarin.example.org/registration.html"},
    {kIdWebIcdO3,
     "https://www.who.int/standards/classifications/other-classifications/"
     "international-classification-of-diseases-for-oncology"},
    {kIdWebIcd10, "https://icd.who.int/browse10/2010/en"},
}};

// Opens an address in the desktop's browser; when the desktop has no program
// for it, xdg-open is tried. When neither opens it: "Cannot connect to the
// internet (%d,%d)".
void OpenUrl(QWidget* parent, const QString& address);

}  // namespace kelvarin
