#include "library/core/formula_solve.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/engine.h"
#include "engine/number_format.h"
#include "library/core/compiled_formula.h"
#include "library/core/formula_sheet.h"
#include "library/core/number_entry.h"
#include "library/core/sweep_points.h"
#include "library/core/sweep_text.h"
#include "platform/trim_blanks.h"

namespace orvik {
namespace {

// Keeps the first message for the caller to word; prompts go to the user.
class ValueHost : public EngineHost {
public:
    explicit ValueHost(EngineHost& user) : user_(user) {}

    void ShowMessage(std::string_view text) override
    {
        if (message.empty())
            message = text;
    }
    bool PromptValue(std::string_view prompt, std::string& entry) override { return user_.PromptValue(prompt, entry); }

    std::string message;

private:
    EngineHost& user_;
};

std::string Number(double v)
{
    return FormatGeneral(v, 15);
}

std::string RangeText(const SolveResult& result)
{
    return result.input_name + " 从 " + Number(result.plan.from) + " 到 " + Number(result.plan.to);
}

}  // namespace

double InputValue(const FormulaSheet& sheet, int row)
{
    VariableTable table = sheet.CalculationEngine().Variables();
    sheet.ReadCells(table);
    return table[sheet.BaseCount() + row].value;
}

std::pair<double, double> DefaultSolveRange(double v)
{
    if (v > 0)
        return {v / 10, v * 10};
    if (v < 0)
        return {v * 10, v / 10};
    return {-1, 1};
}

std::optional<double> ReadSolveValue(const FormulaSheet& sheet, const std::string& text, std::string_view what,
                                     EngineHost& host, std::string& message)
{
    if (TrimBlanks(text).empty()) {
        message = std::string(what) + "不是一个数";
        return std::nullopt;
    }
    // A number is taken as it is: the engine would read the exponent of
    // 1e-06 as a name.
    if (const std::optional<double> number = ReadNumberEntry(text))
        return number;
    std::string statements = text;
    ValueHost value_host(host);
    const auto engine = std::make_unique<Engine>(value_host);
    engine->SetAngleMode(sheet.CalculationEngine().CurrentAngleMode());
    VariableTable& table = engine->Variables();
    table = sheet.CalculationEngine().Variables();
    sheet.ReadCells(table);
    const double value = engine->EvaluateText(statements);
    if (!value_host.message.empty())
        message = std::string(what) + "算不出值:\n" + value_host.message;
    else if (!std::isfinite(value))
        message = std::string(what) + "不是一个数";
    else
        return value;
    return std::nullopt;
}

SolveReading ReadSolveTexts(const FormulaSheet& sheet, const SolveTexts& texts, EngineHost& host)
{
    SolveReading reading;
    const struct {
        const std::string& text;
        std::string_view what;
        double& value;
    } entries[] = {
        {texts.target, "目标值", reading.target},
        {texts.from, "起始值", reading.from},
        {texts.to, "终止值", reading.to},
    };
    for (const auto& entry : entries) {
        const std::optional<double> value = ReadSolveValue(sheet, entry.text, entry.what, host, reading.message);
        if (!value)
            return reading;
        entry.value = *value;
    }
    reading.message = RangeEndsMessage(reading.from, reading.to);
    return reading;
}

std::vector<std::string> SolveResultNames(const FormulaSheet& sheet)
{
    std::vector<std::string> names;
    const auto add = [&names](std::string name) {
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    };
    for (const FormulaStatement& statement : sheet.Statements()) {
        std::string text = statement.text;
        StripBlanks(text);
        // What is no assignment is named by its whole text.
        std::string name = SweepResultName(text);
        if (name.size() < text.size())
            add(std::move(name));
    }
    for (int row = 0; row < sheet.RowCount(); ++row)
        add(std::string(sheet.RowName(row)));
    return names;
}

SolveResult RunSolve(const FormulaSheet& sheet, const SolvePlan& plan, EngineHost& host)
{
    SolveResult result;
    result.formula = sheet.Name();
    result.input_name = sheet.RowName(plan.input_row);
    result.plan = plan;
    CompiledFormula formula(sheet, host);
    // A variable a statement makes exists from the first evaluation that
    // reached it on, at the same place in every evaluation.
    int variable = -1;
    const auto value = [&](double x) -> double {
        formula.SetInput(plan.input_row, x);
        if (!formula.Evaluate()) {
            if (result.message.empty())
                result.message = formula.Message();
            return NAN;
        }
        if (variable < 0)
            variable = formula.FindVariable(plan.result);
        result.result_found = variable >= 0;
        return result.result_found ? formula.Value(variable) : NAN;
    };
    result.search = FindRoots(value, plan.target, plan.from, plan.to);
    return result;
}

std::string SolveSettingsText(const SolveResult& result)
{
    return "反求: " + result.formula + ", 使 " + result.plan.result + " = " + Number(result.plan.target) + ", "
           + RangeText(result);
}

std::string SolveNoRootText(const SolveResult& result)
{
    const RootSearchResult& search = result.search;
    const std::string& name = result.plan.result;
    if (!search.has_closest)
        return "没有找到解: " + RangeText(result) + " 时没有一个点算得出 " + name;
    return "没有找到解: " + RangeText(result) + " 时 " + name + " 达不到 " + Number(result.plan.target) + "; 最接近时 "
           + result.input_name + " = " + Number(search.closest.x) + ", " + name + " = "
           + Number(search.closest.value);
}

std::string SolveNoValueText(const SolveResult& result)
{
    if (result.search.no_value_points == 0)
        return {};
    std::string text = "有 " + std::to_string(result.search.no_value_points) + " 个点算不出值";
    if (!result.message.empty()) {
        text += ", 第一个提示: ";
        for (const char c : result.message) {
            if (c != '\n')
                text += c;
        }
    }
    return text;
}

std::string SolveSummaryText(const SolveResult& result)
{
    std::string text = SolveSettingsText(result) + "\n";
    text += result.HasRoots() ? "找到 " + std::to_string(result.search.roots.size()) + " 个解" : SolveNoRootText(result);
    if (const std::string no_value = SolveNoValueText(result); !no_value.empty())
        text += "\n" + no_value;
    return text;
}

SweepResult SolveCurve(const SolveResult& result)
{
    SweepResult curve;
    curve.formula = result.formula;
    curve.input_name = result.input_name;
    curve.statements = {result.plan.result};
    curve.range = {.from = result.plan.from,
                   .to = result.plan.to,
                   .spacing = result.search.logarithmic ? SweepSpacing::Logarithmic : SweepSpacing::Linear};
    curve.results.resize(1);
    for (const RootPoint& point : result.search.scan) {
        curve.inputs.push_back(point.x);
        curve.results[0].push_back(point.value);
    }
    curve.planned_points = curve.PointCount();
    return curve;
}

}  // namespace orvik
