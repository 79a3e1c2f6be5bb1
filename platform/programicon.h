// The icon of the programs' windows.
#pragma once

#include <QIcon>

namespace kelvarin {

QIcon ProgramIcon();

}  // namespace kelvarin
