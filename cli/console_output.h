#pragma once

#include <string>
#include <string_view>

namespace orvik {

// Standard output, held back until it is worth a write: until the buffer is
// full, input would have to be waited for, or something is shown on standard
// error (which is written at once, after everything before it on standard
// output, so a terminal or a merged pipe shows both in order).
class ConsoleOutput {
public:
    ConsoleOutput() = default;
    ~ConsoleOutput() { Flush(); }
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    void Write(std::string_view text);
    void WriteError(std::string_view text);
    void Flush();

private:
    std::string buffer_;
};

}  // namespace orvik
