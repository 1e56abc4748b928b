#pragma once

#include <string>
#include <string_view>

namespace orvik {

// Why a typed name cannot name a category or a formula.
enum class NameRefusal {
    None,
    Empty,         // nothing but blanks
    Separator,     // "/", "\" or a control character: it would reach another directory
    DotName,       // "." or "..": the directory itself or its parent
    NotGbk,        // names are shown and stored as GBK text
};

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
