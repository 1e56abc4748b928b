#pragma once

#include <string>

namespace orvik {

// The outcome of a change to the library on disk.
enum class LibraryChange {
    Done,
    NameTaken,  // something of the new name exists already; nothing changed
    Failed,     // the file system refused; nothing changed
};

// Whether the directory `directory`, its links followed, is the library
// directory `library` or lies in it. A category may be a link to a
// directory elsewhere: it lists and opens, but changing what it holds
// would change files outside the library. A directory that does not exist
// counts as inside: the change then fails on its own.
bool LiesInLibrary(const std::string& directory, const std::string& library);

// Makes the category directory `path`.
LibraryChange MakeCategory(const std::string& path);

// Gives the file or directory `from` the name `to`. An existing `to` is
// never replaced.
LibraryChange RenameEntry(const std::string& from, const std::string& to);

// Removes the formula file `path`; never a directory.
bool RemoveFormulaFile(const std::string& path);

}  // namespace orvik
