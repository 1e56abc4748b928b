#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

class ConsoleOutput;

// Where the console's lines come from: statement lines, and the answers to
// the prompts for unknown names. Lines come without their LF.
class ConsoleInput {
public:
    virtual ~ConsoleInput() = default;

    // The next statement line; false at the end of input.
    virtual bool ReadLine(std::string& line) = 0;

    // Whether the line read last was longer than an input line may be, so
    // that only its front was kept.
    virtual bool LastLineCut() const { return false; }

    // Shows `prompt` (UTF-8) and reads the answer; false at the end of input.
    virtual bool Answer(std::string_view prompt, std::string& line) = 0;
};

// Standard input read in large blocks, as a pipe or a file delivers it. Before
// it would wait for more, everything written so far is flushed, so whoever is
// at the other end sees every result of what was sent; prompts go to standard
// error. Whatever comes in, at most kLineMax bytes of a line are kept and
// each byte is looked at once, so any stream is read at a constant memory.
class PipedInput : public ConsoleInput {
public:
    // Many statements to a line; far more than anybody types.
    static constexpr std::size_t kLineMax = 64 * 1024;

    explicit PipedInput(ConsoleOutput& output);

    bool ReadLine(std::string& line) override;
    bool LastLineCut() const override { return line_cut_; }
    bool Answer(std::string_view prompt, std::string& line) override;

private:
    bool Fill();

    ConsoleOutput& output_;
    std::vector<char> block_;
    std::size_t start_ = 0;  // the first byte of the block not yet handed out
    std::size_t end_ = 0;
    bool at_end_ = false;
    bool line_cut_ = false;
};

}  // namespace orvik
