#pragma once

#include <string>

namespace orvik {

// Gives a user whose data directory is not the program directory the shipped
// formula library: the data directory is made, and the library tree "vekf" of
// the program directory is copied into it once per program version (a new
// version may ship new formulas). A file the user already has is never
// overwritten, and one the user deleted comes back only with a new version.
// File-system failures are silent: the program works without the library.
void CopyShippedLibrary(const std::string& program_directory, const std::string& data_directory);

// CopyShippedLibrary for this program, when its data directory is not its
// program directory. Called once at start-up.
void PrepareDataDirectory();

}  // namespace orvik
