#pragma once

#include <string>

namespace orvik {

// The directory that holds the running program and its data files (help
// text, formula library, print companion). ORVIK_HOME, when set and not
// empty, replaces it.
std::string ProgramDirectory();

// The formula library "vekf" in the program directory; process files are
// kept there by default too.
std::string LibraryDirectory();

}  // namespace orvik
