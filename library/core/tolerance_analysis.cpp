#include "library/core/tolerance_analysis.h"

#include <memory>

#include "engine/engine.h"
#include "library/core/compiled_formula.h"
#include "library/core/formula_sheet.h"

namespace orvik {
namespace {

// Answers nothing and shows nothing: finding out which variables the
// statements assign must not ask the user what the analysis asks again.
class SilentHost : public EngineHost {
public:
    void ShowMessage(std::string_view) override {}
    bool PromptValue(std::string_view, std::string&) override { return false; }
};

// The table as computing the sheet finds it: the engine's, with the input
// cells read back.
std::unique_ptr<Engine> SheetCopy(const FormulaSheet& sheet, EngineHost& host)
{
    auto engine = std::make_unique<Engine>(host);
    engine->SetAngleMode(sheet.CalculationEngine().CurrentAngleMode());
    engine->Variables() = sheet.CalculationEngine().Variables();
    sheet.ReadCells(engine->Variables());
    return engine;
}

// The variables the statements assign: after computing them once on a
// copy, the entries of the formula made by assignment. Which variables a
// statement creates does not depend on the values.
std::vector<std::string> AssignedNames(const FormulaSheet& sheet)
{
    SilentHost host;
    const std::unique_ptr<Engine> engine = SheetCopy(sheet, host);
    for (const FormulaStatement& statement : sheet.Statements()) {
        std::string text = statement.text;
        engine->EvaluateText(text);
    }
    std::vector<std::string> names;
    const VariableTable& table = engine->Variables();
    for (int i = sheet.BaseCount(); i < table.Count(); ++i) {
        if (table[i].origin == origin::kAssigned)
            names.emplace_back(table[i].Name());
    }
    return names;
}

ToleranceResult Describe(const FormulaSheet& sheet, const TolerancePlan& plan, const CompiledFormula& formula)
{
    ToleranceResult result;
    result.formula = sheet.Name();
    result.settings = plan.settings;
    std::vector<bool> toleranced(sheet.RowCount(), false);
    for (const ToleranceInput& input : plan.inputs) {
        result.inputs.push_back({std::string(sheet.RowName(input.row)), formula.Input(input.row), input.text,
                                 input.range});
        toleranced[input.row] = true;
    }
    for (int row = 0; row < sheet.RowCount(); ++row) {
        if (sheet.IsInputRow(row) && !toleranced[row])
            result.fixed_inputs.push_back({std::string(sheet.RowName(row)), formula.Input(row)});
    }
    return result;
}

}  // namespace

std::vector<double> ToleranceInputValues(const FormulaSheet& sheet)
{
    SilentHost host;
    const std::unique_ptr<Engine> engine = SheetCopy(sheet, host);
    std::vector<double> values;
    for (int row = 0; row < sheet.RowCount(); ++row)
        values.push_back(engine->Variables()[sheet.BaseCount() + row].value);
    return values;
}

ToleranceResult RunToleranceAnalysis(const FormulaSheet& sheet, const TolerancePlan& plan, EngineHost& host)
{
    CompiledFormula formula(sheet, host);
    ToleranceResult result = Describe(sheet, plan, formula);
    // The nominal point: the first evaluation asks for unknown names and
    // creates the variables that the results are read from.
    formula.Evaluate();
    std::vector<int> variables;
    for (const std::string& name : AssignedNames(sheet)) {
        const int index = formula.FindVariable(name);
        if (index >= 0) {
            result.names.push_back(name);
            variables.push_back(index);
        }
    }
    if (!formula.Message().empty()) {
        result.message = "公差分析在名义值处停止:\n" + formula.Message();
        return result;
    }

    std::vector<int> rows;
    std::vector<double> nominal;
    std::vector<ToleranceRange> ranges;
    for (const ToleranceInput& input : plan.inputs) {
        rows.push_back(input.row);
        nominal.push_back(formula.Input(input.row));
        ranges.push_back(input.range);
    }
    const ToleranceModel model = [&](std::span<const double> inputs, std::span<double> results) {
        for (size_t i = 0; i < inputs.size(); ++i)
            formula.SetInput(rows[i], inputs[i]);
        if (!formula.Evaluate())
            return false;
        for (size_t r = 0; r < variables.size(); ++r)
            results[r] = formula.Value(variables[r]);
        return true;
    };
    result.figures = AnalyseTolerances(model, static_cast<int>(variables.size()), nominal, ranges, plan.settings);
    return result;
}

}  // namespace orvik
