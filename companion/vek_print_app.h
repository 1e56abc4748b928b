#pragma once

#include <string>

class QApplication;

namespace orvik {

// The companion's own look, a light window with dark text, whatever the
// desktop's theme.
void ApplyVekPrintLook(QApplication& application);

// Opens the file at `path` in the main window and runs until it closes; a
// file that cannot be opened is reported and ends the program. Needs the
// QApplication. Returns the exit code.
int RunVekPrint(const std::string& path);

}  // namespace orvik
