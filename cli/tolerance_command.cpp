#include "cli/tolerance_command.h"

#include <algorithm>
#include <optional>

#include "cli/console_output.h"
#include "cli/input_arguments.h"
#include "cli/tolerance_options.h"
#include "engine/engine_host.h"
#include "library/core/formula_sheet.h"
#include "library/core/tolerance_analysis.h"
#include "library/core/tolerance_text.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

// The plan of the tolerances given; nullopt after saying what is wrong.
std::optional<TolerancePlan> Plan(const FormulaSheet& sheet, const ToleranceRequest& request, ConsoleOutput& output)
{
    const std::optional<std::vector<InputArgument>> tolerances =
        FindInputArguments(sheet, request.tolerances, "公差", output);
    if (!tolerances)
        return std::nullopt;
    const std::vector<double> values = ToleranceInputValues(sheet);
    TolerancePlan plan{{}, request.settings};
    for (const InputArgument& tolerance : *tolerances) {
        const std::string name = GbkToUtf8(sheet.RowName(tolerance.row));
        const auto same = [&](const ToleranceInput& input) { return input.row == tolerance.row; };
        if (std::any_of(plan.inputs.begin(), plan.inputs.end(), same)) {
            output.WriteError("orvik: " + name + " 的公差给了两次\n");
            return std::nullopt;
        }
        const std::optional<ToleranceRange> range = ReadTolerance(tolerance.text, values[tolerance.row]);
        if (!range) {
            output.WriteError("orvik: " + GbkToUtf8(ToleranceMessage(sheet.RowName(tolerance.row), tolerance.text))
                              + "\n");
            return std::nullopt;
        }
        plan.inputs.push_back({tolerance.row, tolerance.text, *range});
    }
    return plan;
}

}  // namespace

int RunToleranceCommand(const FormulaSheet& sheet, const ToleranceRequest& request, EngineHost& host,
                        ConsoleOutput& output)
{
    const std::optional<TolerancePlan> plan = Plan(sheet, request, output);
    if (!plan)
        return 2;
    const ToleranceResult result = RunToleranceAnalysis(sheet, *plan, host);
    if (!result.message.empty()) {
        host.ShowMessage(result.message);
        return 1;
    }
    output.Write(ToleranceTabText(result));
    for (const std::string& line : ToleranceLeftOutLines(result))
        host.ShowMessage(line);
    return 0;
}

}  // namespace orvik
