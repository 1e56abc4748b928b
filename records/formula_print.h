#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "records/print_text.h"

namespace orvik {

// One statement of a formula and its result as the formula dialog shows it
// ("=3.000000", "1.000000E+007"; empty before the first compute).
struct FormulaStatement {
    std::string text;
    std::string result;
};

// What the formula dialog prints and saves of the calculation it shows; all
// texts GBK.
struct FormulaPrint {
    std::string name;
    std::vector<NamedValue> inputs;
    std::vector<FormulaStatement> statements;
    std::vector<NamedValue> outputs;
    std::string description;
};

// "公式: <name>", an empty line, then the chosen sections as PrintText lays
// them out, the process being one "<statement>\t<result>" line per
// statement; last, after an empty line, "公式说明: " and the description,
// when there is one.
std::string FormulaPrintText(const FormulaPrint& print, const PrintChoice& choice);

// The text with every section, written as a text file (GBK, CR LF); false
// when it could not be written.
bool SaveFormulaText(const std::filesystem::path& path, const FormulaPrint& print);

}  // namespace orvik
