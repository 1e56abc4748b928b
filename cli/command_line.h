#pragma once

#include <string>
#include <vector>

#include "cli/solve_options.h"
#include "cli/tolerance_options.h"
#include "engine/number_format.h"
#include "library/core/sweep_points.h"

namespace orvik {

// What the user asked for on the command line.
struct CommandLine {
    enum class Mode {
        Window,   // no console option: the calculator window (file = optional process file)
        Eval,     // --eval TEXT / -e TEXT
        Console,  // --console
        Formula,  // --formula FILE [NAME=VALUE ...] [--sweep NAME=FROM:TO[:STEP] ... | --solve ... | --tolerance NAME=TOLERANCE ...]
        List,     // --list: the formulas of the library
        Help,     // --help / -h
        Version,  // --version
        Invalid,  // unusable arguments; error holds the reason
    };
    Mode mode = Mode::Window;
    std::string text;   // Eval: the statement text (UTF-8)
    std::string file;   // Window: the process file to read at start-up; Formula: the formula file
                        // (a path, or a name in the formula library)
    std::vector<std::string> values;  // Formula: the NAME=VALUE arguments (UTF-8)
    // Formula with --sweep: the input to vary (empty without a sweep), its
    // range as typed, and whether the table is printed as CSV.
    struct Sweep {
        std::string name;
        SweepRangeTexts range;
        bool csv = false;
    } sweep;
    SolveArguments solve;  // Formula with --solve
    ToleranceRequest tolerance;  // Formula with --tolerance
    std::string error;  // Invalid: what was wrong (UTF-8)
    bool radians = false;
    Radix radix = Radix::Decimal;
    int byte_length = 4;
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

// Runs the console front-end for every mode but Window (and for Window when
// there is no display: it then reads statements from stdin).
// Returns the process exit status.
int RunConsoleFrontEnd(const CommandLine& command_line);

// --formula: computes a formula file as the formula dialog does.
int RunFormulaCommand(const CommandLine& command_line);

// --list: prints the formulas of the library.
int RunListCommand();

}  // namespace orvik
