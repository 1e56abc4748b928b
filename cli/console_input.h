#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvik {

class ConsoleOutput;

// Where the console's lines come from: statement lines, and the answers to
// the prompts for unknown names. Lines come without their LF.
class ConsoleInput {
public:
    virtual ~ConsoleInput() = default;

    // The next statement line; false at the end of input.
    virtual bool ReadLine(std::string& line) = 0;

    // Shows `prompt` (UTF-8) and reads the answer; false at the end of input.
    virtual bool Answer(std::string_view prompt, std::string& line) = 0;
};

// Standard input read in large blocks, as a pipe or a file delivers it. Before
// it would wait for more, everything written so far is flushed, so whoever is
// at the other end sees every result of what was sent; prompts go to standard
// error.
class PipedInput : public ConsoleInput {
public:
    explicit PipedInput(ConsoleOutput& output) : output_(output) {}

    bool ReadLine(std::string& line) override;
    bool Answer(std::string_view prompt, std::string& line) override;

private:
    bool Fill();

    ConsoleOutput& output_;
    std::string buffer_;
    std::size_t start_ = 0;  // the first byte not yet handed out
    bool at_end_ = false;
};

}  // namespace orvik
