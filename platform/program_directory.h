#pragma once

#include <string>

namespace orvik {

// The directory that holds the running program and its shipped files (help
// text, the shipped formula library, print companion). ORVIK_HOME, when set
// and not empty, replaces it.
std::string ProgramDirectory();

// The directory of the running program's file, whatever ORVIK_HOME says.
std::string ExecutableDirectory();

// The calculator window's program, which the console program `orvik` starts
// from beside itself when a window is to be shown.
inline constexpr const char* kWindowProgramName = "orvik-window";
std::string WindowProgramPath();

// Where the program keeps what it writes (the print file) and the formula
// library the user works with: the program directory when the user may write
// there (a build tree, a copy of one's own), else the per-user directory. An
// installed program directory (under /usr) belongs to its package and is
// never the data directory, whoever runs the program. ORVIK_HOME replaces
// both.
std::string DataDirectory();

// The formula library "vekf" in the data directory; process files are kept
// there by default too.
std::string LibraryDirectory();

// The pieces of DataDirectory(), for callers and tests that decide themselves.

// $XDG_DATA_HOME/orvik, by default ~/.local/share/orvik.
std::string UserDataDirectory();

// $XDG_STATE_HOME/orvik, by default ~/.local/state/orvik: what the program
// keeps of its own between runs (the console's line history).
std::string UserStateDirectory();

// Whether the user may create files in `directory`.
bool IsWritableDirectory(const std::string& directory);

// The data directory of a program in `program_directory`.
std::string DataDirectoryFor(const std::string& program_directory, bool writable);

}  // namespace orvik
