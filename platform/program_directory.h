#pragma once

#include <string>

namespace orvik {

// The directory that holds the running program and its data files (help
// text, formula library, print companion). ORVIK_HOME, when set and not
// empty, replaces it.
std::string ProgramDirectory();

// Where the program keeps what it writes: the print file, and the formula
// library. Today the program directory.
std::string DataDirectory();

// The formula library "vekf" in the data directory; process files are kept
// there by default too.
std::string LibraryDirectory();

}  // namespace orvik
