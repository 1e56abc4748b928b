#pragma once

namespace orvik {

class ConsoleOutput;
class EngineHost;
class FormulaSheet;
struct SolveArguments;

// --solve: the values of the input in `input_row` at which the result
// takes the target, one line each on standard output, "%.17g" of the input
// and of the result there, separated by a tab. Returns the exit status: 0
// with a root, 1 without (then standard error says where the result came
// closest), 2 when the result is no variable of the formula or a value is
// wrong.
int PrintSolve(const FormulaSheet& sheet, int input_row, const SolveArguments& solve, EngineHost& host,
               ConsoleOutput& output);

}  // namespace orvik
