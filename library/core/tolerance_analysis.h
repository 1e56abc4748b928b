#pragma once

#include <string>
#include <vector>

#include "library/core/tolerance_methods.h"
#include "records/print_text.h"

namespace orvik {

class EngineHost;
class FormulaSheet;

// An input row of the sheet with a tolerance: the tolerance as written
// (GBK) and the range it gives the input's value.
struct ToleranceInput {
    int row = 0;
    std::string text;
    ToleranceRange range;
};

struct TolerancePlan {
    std::vector<ToleranceInput> inputs;
    ToleranceSettings settings;
};

// What a tolerance analysis computed; texts GBK.
struct ToleranceResult {
    struct Input {
        std::string name;
        double value = 0;
        std::string text;
        ToleranceRange range;
    };

    std::string formula;  // the formula's name
    std::vector<Input> inputs;  // with a tolerance, in the plan's order
    // The other inputs, with the values their cells give them.
    std::vector<NamedValue> fixed_inputs;
    ToleranceSettings settings;
    // The results: the variables that the statements assign, in table order.
    std::vector<std::string> names;
    std::vector<ResultFigures> figures;  // one per name
    // Why there are no figures: an engine message stopped the statements
    // with every input at its value. Empty when there are figures.
    std::string message;
};

// The value of each row's variable as computing takes it from the cells.
std::vector<double> ToleranceInputValues(const FormulaSheet& sheet);

// Computes the sheet's statements as computing the sheet does, with the
// inputs of the plan at the values each method asks for and every other
// input as its cell shows it, by a CompiledFormula: the table the user sees
// keeps every entry and value, and a name that is not yet a variable is
// asked of `host` once. A point where an engine message stops the
// statements counts for no result, one where a result is not a finite
// number not for that result.
ToleranceResult RunToleranceAnalysis(const FormulaSheet& sheet, const TolerancePlan& plan, EngineHost& host);

}  // namespace orvik
