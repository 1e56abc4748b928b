#pragma once

namespace orvik {

class ConsoleOutput;
class EngineHost;
class FormulaSheet;
struct ToleranceRequest;

// --formula with --tolerance: the analysis of the sheet as its cells show
// it, one tab-separated row per result on standard output. The exit status:
// 0; 1 when the statements give no value with every input at its value; 2
// for an input the formula does not have, one given twice or a tolerance
// that cannot be read.
int RunToleranceCommand(const FormulaSheet& sheet, const ToleranceRequest& request, EngineHost& host,
                        ConsoleOutput& output);

}  // namespace orvik
