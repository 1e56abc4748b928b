// orvik --formula FILE.tfl [NAME=VALUE ...]: the formula dialog in one go.
// Each NAME=VALUE is typed into the input's value cell and entered there;
// then the formula is computed once and its statements and variables are
// printed as the dialog shows them, or, with --sweep, computed over a range
// of one input and printed as a table, or, with --solve, solved backwards,
// or, with --tolerance, analysed for the tolerances of its inputs.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/console_host.h"
#include "cli/console_input.h"
#include "cli/console_output.h"
#include "cli/formula_library.h"
#include "cli/input_arguments.h"
#include "cli/solve_command.h"
#include "cli/tolerance_command.h"
#include "engine/engine.h"
#include "library/core/formula_sheet.h"
#include "library/core/formula_sweep.h"
#include "library/core/sweep_text.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

void WriteRow(ConsoleOutput& output, std::string_view left, std::string_view right)
{
    output.Write(GbkToUtf8(left));
    output.Write("\t");
    output.Write(GbkToUtf8(right));
    output.Write("\n");
}

void PrintSheet(const FormulaSheet& sheet, ConsoleOutput& output)
{
    for (const FormulaStatement& statement : sheet.Statements())
        WriteRow(output, statement.text, statement.result);
    for (int row = 0; row < sheet.RowCount(); ++row)
        WriteRow(output, sheet.RowName(row), sheet.Cell(row));
}

// The table of the sweep, or of the points before an engine message
// stopped it (then the message follows on standard error).
int PrintSweep(const FormulaSheet& sheet, const CommandLine::Sweep& sweep, EngineHost& host,
               ConsoleOutput& output)
{
    const int row = FindInput(sheet, sweep.name, output);
    if (row < 0)
        return 2;
    SweepRangeReading reading = ReadSweepRange(sweep.range);
    if (!reading.points.message.empty()) {
        output.WriteError("orvik: " + GbkToUtf8(reading.points.message) + "\n");
        return 2;
    }
    const SweepResult result = RunSweep(sheet, {row, reading.range, std::move(reading.points.values)}, host);
    output.Write(sweep.csv ? SweepCsvText(result, AllSweepStatements(result)) : SweepTabText(result));
    if (!result.Stopped())
        return 0;
    host.ShowMessage(SweepStopMessage(result));
    return 1;
}

}  // namespace

int RunFormulaCommand(const CommandLine& command_line)
{
    ConsoleOutput output;
    PipedInput input(output);
    ConsoleHost host(input, output);
    auto engine = std::make_unique<Engine>(host);
    engine->SetAngleMode(command_line.radians ? AngleMode::Radians : AngleMode::Degrees);
    FormulaSheet sheet(*engine);
    const std::string file = FormulaFileFor(command_line.file);
    const FormulaSheet::OpenResult opened = sheet.Open(file);
    if (opened.status == FormulaReadStatus::NotOpened) {
        output.WriteError("orvik: 打不开公式文件 " + file + "\n");
        return 1;
    }
    for (const std::string_view message : opened.messages)
        host.ShowMessage(message);
    if (opened.status != FormulaReadStatus::Complete)
        return 1;
    const std::optional<std::vector<InputArgument>> cells = FindInputArguments(sheet, command_line.values, "值", output);
    if (!cells)
        return 2;
    // A refused value has been named by the engine; computing without it
    // would print results of a value nobody gave.
    for (const InputArgument& cell : *cells) {
        if (!sheet.EnterValue(cell.row, cell.text))
            return 1;
    }
    if (!command_line.sweep.name.empty())
        return output.Finish(PrintSweep(sheet, command_line.sweep, host, output));
    if (!command_line.solve.input.empty()) {
        const int row = FindInput(sheet, command_line.solve.input, output);
        return output.Finish(row < 0 ? 2 : PrintSolve(sheet, row, command_line.solve, host, output));
    }
    if (!command_line.tolerance.tolerances.empty())
        return output.Finish(RunToleranceCommand(sheet, command_line.tolerance, host, output));
    sheet.Compute();
    PrintSheet(sheet, output);
    return output.Finish(0);
}

}  // namespace orvik
