#include "library/core/formula_sweep.h"

#include "library/core/compiled_formula.h"
#include "library/core/formula_sheet.h"
#include "library/core/formula_values.h"

namespace orvik {
namespace {

// Everything about the sweep but its values.
SweepResult Describe(const FormulaSheet& sheet, const SweepPlan& plan, const CompiledFormula& formula)
{
    SweepResult result;
    result.formula = sheet.Name();
    result.input_name = sheet.RowName(plan.input_row);
    for (const FormulaStatement& statement : sheet.Statements())
        result.statements.push_back(statement.text);
    for (int row = 0; row < sheet.RowCount(); ++row) {
        if (row != plan.input_row && sheet.IsInputRow(row))
            result.fixed_inputs.push_back({std::string(sheet.RowName(row)), formula.Input(row)});
    }
    result.range = plan.range;
    result.planned_points = static_cast<int>(plan.points.size());
    result.results.resize(result.statements.size());
    for (std::vector<double>& column : result.results)
        column.reserve(plan.points.size());
    result.inputs.reserve(plan.points.size());
    return result;
}

}  // namespace

SweepResult RunSweep(const FormulaSheet& sheet, const SweepPlan& plan, EngineHost& host)
{
    CompiledFormula formula(sheet, host);
    SweepResult result = Describe(sheet, plan, formula);
    for (size_t point = 0; point < plan.points.size(); ++point) {
        formula.SetInput(plan.input_row, plan.points[point]);
        if (!formula.Evaluate()) {
            result.stopped_at = static_cast<int>(point);
            result.stopped_input = plan.points[point];
            result.message = formula.Message();
            return result;
        }
        result.inputs.push_back(plan.points[point]);
        for (int i = 0; i < formula.StatementCount(); ++i)
            result.results[i].push_back(formula.Result(i));
    }
    return result;
}

std::string SweepStopMessage(const SweepResult& result)
{
    return "参数扫描在第" + std::to_string(result.stopped_at + 1) + "点(" + result.input_name + "="
           + FormulaValueText(result.stopped_input) + ")停止:\n" + result.message;
}

}  // namespace orvik
