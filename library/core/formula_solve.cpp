#include "library/core/formula_solve.h"

#include <cmath>
#include <memory>
#include <optional>

#include "engine/engine.h"
#include "engine/number_format.h"
#include "engine/number_text.h"
#include "library/core/compiled_formula.h"
#include "library/core/formula_sheet.h"
#include "library/core/sweep_points.h"

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

// One typed value; NaN for an empty text, nullopt after an engine message,
// which `message` then holds after the entry's name.
std::optional<double> EvaluateValue(const Engine& sheet_engine, const VariableTable& table, std::string text,
                                    std::string_view name, EngineHost& host, std::string& message)
{
    if (TrimBlanks(text).empty())
        return NAN;
    ValueHost value_host(host);
    const auto engine = std::make_unique<Engine>(value_host);
    engine->SetAngleMode(sheet_engine.CurrentAngleMode());
    engine->Variables() = table;
    const double value = engine->EvaluateText(text);
    if (value_host.message.empty())
        return value;
    message = std::string(name) + "算不出值:\n" + value_host.message;
    return std::nullopt;
}

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

SolveReading ReadSolveTexts(const FormulaSheet& sheet, const SolveTexts& texts, EngineHost& host)
{
    VariableTable table = sheet.CalculationEngine().Variables();
    sheet.ReadCells(table);
    SolveReading reading;
    const struct {
        const std::string& text;
        std::string_view name;
        double& value;
    } entries[] = {
        {texts.target, "目标值", reading.target},
        {texts.from, "起始值", reading.from},
        {texts.to, "终止值", reading.to},
    };
    for (const auto& entry : entries) {
        const std::optional<double> value =
            EvaluateValue(sheet.CalculationEngine(), table, entry.text, entry.name, host, reading.message);
        if (!value)
            return reading;
        entry.value = *value;
    }
    if (!std::isfinite(reading.target))
        reading.message = "目标值不是一个数";
    else
        reading.message = RangeEndsMessage(reading.from, reading.to);
    return reading;
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
        return variable < 0 ? NAN : formula.Value(variable);
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
