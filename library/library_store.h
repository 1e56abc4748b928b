#pragma once

#include <optional>
#include <string>

#include <QString>

#include "library/core/library_paths.h"
#include "platform/program_directory.h"

namespace orvik {

class FormulaTreeCtrl;
class UserPort;

// The library commands of the tree's menu that change the library: new
// category, new formula (up to the name), rename and delete. Names are
// asked for with the value prompt; a name that would leave its directory,
// or that cannot be stored as text, is refused with a message, and so is
// a change in a category that a link leads out of the library. Every
// change that was tried rebuilds the tree from disk. `editing` says that
// the formula dialog is editing a formula: the commands other than new
// category are then refused with their messages.
class LibraryStore {
public:
    LibraryStore(FormulaTreeCtrl& tree, UserPort& port, std::string library = LibraryDirectory());

    // The tree filled from the library with its formulas: root expanded
    // and selected.
    void Rebuild();

    // Shows the editing message of menu command `command` (an
    // id::formula command) and gives true, when it is refused while editing.
    bool RefusedWhileEditing(int command, bool editing);

    void NewCategory();
    // The file path of the new formula once a name is confirmed: the
    // dialog edits it and writes the file when the edit is saved.
    std::optional<std::string> NewFormula(bool editing);
    // Another name for the new formula at `path`, whose name `name` is
    // taken: the path of the formula of that name in the same category.
    std::optional<std::string> OtherFormulaPath(const std::string& path, const QString& name);
    void Rename(bool editing);
    void Delete(bool editing);

private:
    // The selected item for rename and delete; nullopt when the command is
    // refused while editing (after its message) or nothing is selected.
    std::optional<LibraryItem> SelectedFor(int command, bool editing);

    // Shows that `directory` lies outside the library through a link, and
    // gives true then: nothing may change there.
    bool RefusedOutsideLibrary(const std::string& directory);

    // The typed name, without blanks around it; nullopt when cancelled or
    // refused (after its message).
    std::optional<std::string> PromptName(const QString& prompt, const QString& initial);
    // The file path of the formula named at the prompt in `directory`.
    std::optional<std::string> PromptFormulaPath(const std::string& directory, const QString& prompt,
                                                 const QString& initial);

    FormulaTreeCtrl& tree_;
    UserPort& port_;
    std::string library_;
};

}  // namespace orvik
