#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "library/core/library_paths.h"

namespace orvik {

// Why a typed name cannot name a category or a formula.
enum class NameRefusal {
    None,
    Empty,         // nothing but blanks
    Separator,     // "/", "\" or a control character: it would reach another directory
    DotName,       // "." or "..": the directory itself or its parent
    NotGbk,        // names are shown and stored as GBK text
    TooLong,       // more bytes than a file name may have, with the formula ending
};

// Bytes a typed name may have (UTF-8, as the file system stores it): file
// names have at most 255 bytes, and a formula's has its ending too.
inline constexpr std::size_t kTypedNameMax = 255 - kFormulaExtension.size();

struct CheckedName {
    std::string name;  // the typed name without leading and trailing blanks
    NameRefusal refusal = NameRefusal::None;
};

// Checks a name typed for a new category, a new formula or a rename (UTF-8,
// the file system's encoding). A name that passes is one component inside
// the directory it is made in.
CheckedName CheckTypedName(std::string_view typed);

// The file name of formula `name`: a ".tfl" ending in any letter case
// becomes ".tfl", so that the tree lists the file; any other name gets
// ".tfl" appended. A name that is just the ending keeps it as its name.
std::string FormulaFileName(std::string_view name);

}  // namespace orvik
