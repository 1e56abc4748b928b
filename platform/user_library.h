#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace orvik {

// Gives a user whose data directory is not the program directory the shipped
// formula library "vekf", and brings it up to date when a new version ships
// other formulas. What was shipped is recorded per file (a hash of the copy)
// in the data directory, so that for each shipped file that is new or changed:
// - a file the user does not have (a new formula, or one deleted before) is
//   copied;
// - a copy the user has not changed since it was made is replaced;
// - a copy the user changed is kept, and the new version is put beside it as
//   "name（新版）.tfl" (one the user changed too is kept as well, and the next
//   free "name（新版2）.tfl" … is taken).
// A shipped file already recorded in its present version is left alone, so a
// formula the user deleted stays deleted until a version changes it. Copies
// made before files were recorded count as unchanged when they equal a file
// shipped then (`earlier_shipped`, hashes by LibraryFileHash). File-system
// failures are silent: the program works without the library, and what
// failed is tried again at the next start.
void CopyShippedLibrary(const std::string& program_directory, const std::string& data_directory,
                        std::span<const uint64_t> earlier_shipped);

// The hash that records a file's bytes (64-bit FNV-1a).
uint64_t LibraryFileHash(std::string_view bytes);

// CopyShippedLibrary for this program, when its data directory is not its
// program directory. Called once at start-up.
void PrepareDataDirectory();

}  // namespace orvik
