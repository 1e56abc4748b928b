#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/console_input.h"
#include "cli/line_history.h"

namespace orvik {

// Lines typed at a terminal, with a prompt, line editing, Tab completion of
// the words `words` gives, and a history of statement lines kept between
// sessions in `history` (libedit). Ctrl-C abandons the line being typed;
// Ctrl-D on an empty line, "quit" or "exit" end the input. One editor at a
// time: the terminal has one line.
class LineEditor : public ConsoleInput {
public:
    using WordSource = std::function<std::vector<std::string>()>;

    LineEditor(ConsoleOutput& output, WordSource words, LineHistory history);
    ~LineEditor() override;
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    bool ReadLine(std::string& line) override;
    bool Answer(std::string_view prompt, std::string& line) override;

private:
    enum class Typed { Line, Abandoned, End };

    Typed Read(const std::string& prompt, std::string& line);
    static char** CompleteWord(const char* text, int start, int end);

    ConsoleOutput& output_;
    WordSource words_;
    LineHistory history_;
};

}  // namespace orvik
