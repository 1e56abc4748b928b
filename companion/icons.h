#pragma once

#include <QIcon>

namespace orvik {

// An icon built into the program, by its file name without ".png".
QIcon CompanionIcon(const char* name);

// The companion's own icon, for its window and the about dialog.
inline QIcon ProgramIcon() { return CompanionIcon("vekprint"); }

}  // namespace orvik
