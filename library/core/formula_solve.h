#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "library/core/formula_sweep.h"
#include "library/core/root_search.h"

namespace orvik {

class EngineHost;
class FormulaSheet;

// Solving a formula backwards: the values of one input at which a variable
// of the formula takes a target value, every one in a range. Texts GBK.
struct SolvePlan {
    int input_row = 0;
    std::string result;  // a variable of the formula once computed
    double target = 0;
    double from = 0;
    double to = 0;
};

struct SolveResult {
    std::string formula;     // the formula's name
    std::string input_name;  // the varied input
    SolvePlan plan;
    RootSearchResult search;
    // The first engine message a point gave; empty when none did.
    std::string message;
    // The result was a variable in at least one evaluation.
    bool result_found = false;

    bool HasRoots() const { return !search.roots.empty(); }
};

// The value computing would give the input in `row`: its cell as read back.
double InputValue(const FormulaSheet& sheet, int row);

// The range searched when none is given, around the input's value v:
// v/10 to 10v, for a negative v 10v to v/10, for 0 -1 to 1.
std::pair<double, double> DefaultSolveRange(double v);

// A value typed for solving (the target, an end of the range): a number
// as it is, anything else evaluated as a value cell evaluates what is
// typed into it, with the formula's
// variables as computing would find them, but on a copy of the table, so
// that nothing it assigns reaches the formula. Unknown names are asked of
// `host`. Nullopt, with a message that names the entry (`what`), when the
// text is empty, makes the engine speak or gives no finite number.
std::optional<double> ReadSolveValue(const FormulaSheet& sheet, const std::string& text, std::string_view what,
                                     EngineHost& host, std::string& message);

// The target and the range as the user typed them.
struct SolveTexts {
    std::string target;
    std::string from;
    std::string to;
};
struct SolveReading {
    double target = 0;
    double from = 0;
    double to = 0;
    std::string message;  // names the first entry that is wrong; empty when all are good
};
SolveReading ReadSolveTexts(const FormulaSheet& sheet, const SolveTexts& texts, EngineHost& host);

// What may be solved for: the variables the statements assign, in their
// order, then the variable list's rows.
std::vector<std::string> SolveResultNames(const FormulaSheet& sheet);

// Searches the plan's range. Each value tried is computed as computing the
// sheet computes with that value in the input's cell and every other cell
// as it shows, by a CompiledFormula (the table the user sees keeps every
// entry and value; a name that is not yet a variable is asked of `host`
// once). A point has no value when an engine message arose or the result
// is no variable (yet).
SolveResult RunSolve(const FormulaSheet& sheet, const SolvePlan& plan, EngineHost& host);

// "反求: 齿轮, 使 εα = 1.6, z1 从 12 到 200"
std::string SolveSettingsText(const SolveResult& result);
// When there is no root: that there is none in the range, and where the
// result came closest to the target, or that no point had a value.
std::string SolveNoRootText(const SolveResult& result);
// "有 12 个点算不出值, 第一个提示: ..." in one line; empty when every
// point had a value.
std::string SolveNoValueText(const SolveResult& result);

// The window's lines: the settings, how many roots there are or where the
// result came closest, and how many points had no value, if any.
std::string SolveSummaryText(const SolveResult& result);

// The scan as a sweep of the result over the input, for drawing.
SweepResult SolveCurve(const SolveResult& result);

}  // namespace orvik
