#include "cli/solve_command.h"

#include <optional>
#include <string>

#include "cli/console_output.h"
#include "cli/solve_options.h"
#include "engine/number_format.h"
#include "library/core/formula_solve.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

// The target and the range, the default one when none was given; nullopt
// after naming what is wrong.
std::optional<SolvePlan> Plan(const FormulaSheet& sheet, int input_row, const SolveArguments& solve,
                              EngineHost& host, ConsoleOutput& output)
{
    const std::optional<std::string> result = Utf8ToGbk(solve.result);
    std::optional<std::string> target = Utf8ToGbk(solve.target);
    std::optional<std::string> from = Utf8ToGbk(solve.from);
    std::optional<std::string> to = Utf8ToGbk(solve.to);
    if (!result || !target || !from || !to) {
        output.WriteError("orvik: --target 或 --range 中有无法用 GBK 表示的字符\n");
        return std::nullopt;
    }
    if (!solve.has_range) {
        const auto [low, high] = DefaultSolveRange(InputValue(sheet, input_row));
        from = FormatGeneral(low, 17);
        to = FormatGeneral(high, 17);
    }
    const SolveReading reading = ReadSolveTexts(sheet, {*target, *from, *to}, host);
    if (!reading.message.empty()) {
        output.WriteError("orvik: " + GbkToUtf8(reading.message) + "\n");
        return std::nullopt;
    }
    return SolvePlan{input_row, *result, reading.target, reading.from, reading.to};
}

}  // namespace

int PrintSolve(const FormulaSheet& sheet, int input_row, const SolveArguments& solve, EngineHost& host,
               ConsoleOutput& output)
{
    const std::optional<SolvePlan> plan = Plan(sheet, input_row, solve, host, output);
    if (!plan)
        return 2;
    const SolveResult result = RunSolve(sheet, *plan, host);
    if (!result.result_found && !result.search.has_closest) {
        output.WriteError("orvik: " + solve.result + " 不是这个公式的变量\n");
        return 2;
    }
    for (const RootPoint& root : result.search.roots)
        output.Write(FormatGeneral(root.x, 17) + "\t" + FormatGeneral(root.value, 17) + "\n");
    if (!result.HasRoots())
        output.WriteError("orvik: " + GbkToUtf8(SolveNoRootText(result)) + "\n");
    if (const std::string no_value = SolveNoValueText(result); !no_value.empty())
        output.WriteError("orvik: " + GbkToUtf8(no_value) + "\n");
    return result.HasRoots() ? 0 : 1;
}

}  // namespace orvik
