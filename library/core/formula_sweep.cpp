#include "library/core/formula_sweep.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "engine/engine.h"
#include "library/core/formula_sheet.h"
#include "library/core/formula_values.h"

namespace orvik {
namespace {

// Stands between the sweep's engine and the user: each name is asked once
// per sweep, and the first message is kept for the sweep to stop on
// instead of being shown at once.
class SweepHost : public EngineHost {
public:
    explicit SweepHost(EngineHost& host) : host_(host) {}

    void ShowMessage(std::string_view text) override
    {
        if (!message_)
            message_ = std::string(text);
    }

    bool PromptValue(std::string_view prompt, std::string& entry) override
    {
        auto answer = answers_.find(prompt);
        if (answer == answers_.end()) {
            std::string typed = entry;
            const bool ok = host_.PromptValue(prompt, typed);
            answer = answers_.emplace(std::string(prompt), ok ? std::optional(typed) : std::nullopt).first;
        }
        if (!answer->second)
            return false;
        entry = *answer->second;
        return true;
    }

    const std::optional<std::string>& Message() const { return message_; }

private:
    EngineHost& host_;
    std::map<std::string, std::optional<std::string>, std::less<>> answers_;  // nullopt: cancelled
    std::optional<std::string> message_;
};

// Everything about the sweep but its values.
SweepResult Describe(const FormulaSheet& sheet, const SweepPlan& plan, const VariableTable& table)
{
    SweepResult result;
    result.formula = sheet.Name();
    result.input_name = sheet.RowName(plan.input_row);
    for (const FormulaStatement& statement : sheet.Statements())
        result.statements.push_back(statement.text);
    for (int row = 0; row < sheet.RowCount(); ++row) {
        if (row != plan.input_row && sheet.IsInputRow(row))
            result.fixed_inputs.push_back({std::string(sheet.RowName(row)), table[sheet.BaseCount() + row].value});
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
    SweepHost sweep_host(host);
    const auto engine = std::make_unique<Engine>(sweep_host);
    engine->SetAngleMode(sheet.CalculationEngine().CurrentAngleMode());
    VariableTable& table = engine->Variables();
    table = sheet.CalculationEngine().Variables();
    sheet.ReadCells(table);
    SweepResult result = Describe(sheet, plan, table);

    // Each point starts from the table as computing would find it; what
    // the statements of the point before created or changed is undone.
    const std::vector<VariableEntry> start(&table[0], &table[0] + table.Count());
    const int varied = sheet.BaseCount() + plan.input_row;
    std::vector<double> values(result.statements.size());
    std::string text;
    for (size_t point = 0; point < plan.points.size(); ++point) {
        table.CutBack(static_cast<int>(start.size()));
        std::copy(start.begin(), start.end(), &table[0]);
        table[varied].value = plan.points[point];
        for (size_t i = 0; i < values.size(); ++i) {
            text = result.statements[i];
            values[i] = engine->EvaluateText(text);
            if (sweep_host.Message()) {
                result.stopped_at = static_cast<int>(point);
                result.stopped_input = plan.points[point];
                result.message = *sweep_host.Message();
                return result;
            }
        }
        result.inputs.push_back(plan.points[point]);
        for (size_t i = 0; i < values.size(); ++i)
            result.results[i].push_back(values[i]);
    }
    return result;
}

std::string SweepStopMessage(const SweepResult& result)
{
    return "参数扫描在第" + std::to_string(result.stopped_at + 1) + "点(" + result.input_name + "="
           + FormulaValueText(result.stopped_input) + ")停止:\n" + result.message;
}

}  // namespace orvik
