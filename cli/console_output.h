#pragma once

#include <string>
#include <string_view>

namespace orvik {

// Standard output, held back until it is worth a write: until the buffer is
// full, input would have to be waited for, or something is shown on standard
// error (which is written at once, after everything before it on standard
// output, so a terminal or a merged pipe shows both in order). A write that
// fails (a full disk, a closed output) is remembered, and what follows it
// is dropped.
class ConsoleOutput {
public:
    ConsoleOutput() = default;
    ~ConsoleOutput() { Flush(); }
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    void Write(std::string_view text);
    void WriteError(std::string_view text);
    void Flush();

    // Standard output could not take everything written to it.
    bool Failed() const { return failure_ != 0; }

    // The exit status of a command that would end with `status`: all is
    // written, or else the failure is said on standard error and it is 1.
    int Finish(int status);

private:
    std::string buffer_;
    int failure_ = 0;  // errno of the failed write
};

}  // namespace orvik
