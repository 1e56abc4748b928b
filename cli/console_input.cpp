#include "cli/console_input.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cli/console_output.h"

namespace orvik {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

bool InputWaiting()
{
    pollfd input = {STDIN_FILENO, POLLIN, 0};
    return ::poll(&input, 1, 0) > 0;
}

}  // namespace

PipedInput::PipedInput(ConsoleOutput& output) : output_(output), block_(kBlockSize) {}

bool PipedInput::ReadLine(std::string& line)
{
    line.clear();
    line_cut_ = false;
    bool any = false;
    while (start_ < end_ || Fill()) {
        any = true;
        const char* begin = block_.data() + start_;
        const std::size_t available = end_ - start_;
        const char* lf = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t length = lf ? static_cast<std::size_t>(lf - begin) : available;
        const std::size_t taken = std::min(length, kLineMax - line.size());
        line.append(begin, taken);
        line_cut_ = line_cut_ || taken < length;
        start_ += lf ? length + 1 : available;
        if (lf)
            return true;
    }
    return any;  // the last line had no LF
}

bool PipedInput::Answer(std::string_view prompt, std::string& line)
{
    output_.WriteError(prompt);
    return ReadLine(line);
}

// Reads the next block of input; false at its end.
bool PipedInput::Fill()
{
    if (at_end_)
        return false;
    if (!InputWaiting())
        output_.Flush();
    ssize_t got;
    do {
        got = ::read(STDIN_FILENO, block_.data(), block_.size());
    } while (got < 0 && errno == EINTR);
    start_ = 0;
    end_ = static_cast<std::size_t>(got > 0 ? got : 0);
    at_end_ = got <= 0;
    return !at_end_;
}

}  // namespace orvik
