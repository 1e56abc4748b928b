#pragma once

#include <string>
#include <vector>

#include "library/core/sweep_points.h"
#include "records/print_text.h"

namespace orvik {

class EngineHost;
class FormulaSheet;

// A sweep to run: an input row of the sheet, the range it was given and
// the points that range makes.
struct SweepPlan {
    int input_row = 0;
    SweepRange range;
    std::vector<double> points;
};

// What a sweep computed; texts GBK.
struct SweepResult {
    std::string formula;                  // the formula's name
    std::string input_name;               // the varied input
    std::vector<std::string> statements;  // as the statements list shows them
    // The formula's other inputs with the values the sweep took from their cells.
    std::vector<NamedValue> fixed_inputs;
    SweepRange range;
    int planned_points = 0;
    std::vector<double> inputs;                // one per computed point
    std::vector<std::vector<double>> results;  // [statement][point]
    // When an engine message stopped the sweep: the point it arose at
    // (from 0), the input's value there and the message; the points before
    // it are kept.
    int stopped_at = -1;
    double stopped_input = 0;
    std::string message;

    bool Stopped() const { return stopped_at >= 0; }
    int PointCount() const { return static_cast<int>(inputs.size()); }
};

// Computes the sheet's statements once per point, as computing the sheet
// does with the point's value in the varied input's cell and every other
// cell as it shows, by a CompiledFormula: the table the user sees keeps
// every entry and value, a name that is not yet a variable is asked of
// `host` once and its answer serves every point. The first message of the
// engine stops the sweep at the point it arose at.
SweepResult RunSweep(const FormulaSheet& sheet, const SweepPlan& plan, EngineHost& host);

// The engine's message after a line that says at which point the sweep
// stopped: "参数扫描在第3点(m=1.500000)停止:".
std::string SweepStopMessage(const SweepResult& result);

}  // namespace orvik
