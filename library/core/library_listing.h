#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvik {

// The entries of one directory as the library tree lists them.
struct DirectoryListing {
    // Sub-directories, "." and ".." left out.
    std::vector<std::string> directories;
    // Every entry that is not a directory, when files were asked for; which
    // of them are formulas is for the tree to decide.
    std::vector<std::string> files;
};

// Lists `directory`, each group sorted by a stable, case-insensitive
// comparison of the names' GBK bytes. A directory that cannot be read lists
// nothing.
DirectoryListing ListDirectory(const std::string& directory, bool with_files);

// Every formula file below `library`, as its path relative to it, in the
// order of the library tree: in each directory its sub-directories first,
// each followed by what it holds, then its formulas. A directory that a
// link leads back into is listed once.
std::vector<std::string> ListFormulaPaths(const std::string& library);

// Whether the tree gives `directory` an expand button: it holds a
// sub-directory or, with files, any entry that is not hidden.
bool HasEntries(const std::string& directory, bool with_files);

// The listing order: byte-wise with A to Z taken as a to z.
bool ComesBefore(std::string_view a, std::string_view b);

}  // namespace orvik
