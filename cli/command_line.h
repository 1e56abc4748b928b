#pragma once

#include <string>

#include "engine/number_format.h"

namespace orvik {

// What the user asked for on the command line.
struct CommandLine {
    enum class Mode {
        Window,   // no console option: the calculator window (file = optional process file)
        Eval,     // --eval TEXT / -e TEXT
        Console,  // --console
        Help,     // --help / -h
        Invalid,  // unusable arguments; error holds the reason
    };
    Mode mode = Mode::Window;
    std::string text;   // Eval: the statement text (UTF-8)
    std::string file;   // Window: the process file to read at start-up
    std::string error;  // Invalid: what was wrong (UTF-8)
    bool radians = false;
    Radix radix = Radix::Decimal;
    int byte_length = 4;
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

// Runs the console front-end for Eval, Console, Help and Invalid (and for
// Window when there is no display: it then reads statements from stdin).
// Returns the process exit status.
int RunConsoleFrontEnd(const CommandLine& command_line);

}  // namespace orvik
