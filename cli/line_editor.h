#pragma once

#include "cli/console_input.h"

namespace orvik {

// Lines typed at a terminal, with a prompt, line editing and a history of
// the session's statement lines (libedit). Ctrl-D on an empty line ends the
// input.
class LineEditor : public ConsoleInput {
public:
    explicit LineEditor(ConsoleOutput& output);

    bool ReadLine(std::string& line) override;
    bool Answer(std::string_view prompt, std::string& line) override;

private:
    bool Read(const std::string& prompt, std::string& line);

    ConsoleOutput& output_;
};

}  // namespace orvik
