#pragma once

#include <string>
#include <string_view>

namespace orvik {

// Paths of the formula library: file-system bytes (UTF-8 names on Linux),
// "/" between components.
inline constexpr char kPathSeparator = '/';
// A formula file's name ends in exactly these bytes; the name before them
// is the formula's name.
inline constexpr std::string_view kFormulaExtension = ".tfl";

// The last component of `path`: trailing separators removed, then all that
// follows the last separator.
std::string CaptionOfPath(std::string_view path);

// `path` without its last component and the separator before it.
std::string ParentDirectory(std::string_view path);

std::string JoinPath(std::string_view directory, std::string_view name);

// Whether the tree lists a file of this name as a formula (case-sensitive).
bool IsFormulaFileName(std::string_view name);

enum class LibraryItemKind { None, Root, Category, Formula };

// A tree item as the library commands see it. Its item path is the library
// directory for the root, the directory for a category, and for a formula
// the file's path without ".tfl" and with one blank appended: the blank
// that ends the formula's caption.
struct LibraryItem {
    LibraryItemKind kind = LibraryItemKind::None;
    std::string path;

    bool IsFormula() const { return kind == LibraryItemKind::Formula; }
};

// The formula item's file: its path less the caption's blank, plus ".tfl".
// Only that one blank goes, so "a .tfl" is never taken for "a.tfl".
std::string FormulaFilePath(const LibraryItem& formula);

// The name the item stands for: the formula's name, or the directory's.
std::string ItemName(const LibraryItem& item);

// Where new categories and formulas go: beside a formula, inside the root
// or a category, and in the library itself when nothing is selected.
std::string TargetDirectory(const LibraryItem& selected, std::string_view library);

}  // namespace orvik
