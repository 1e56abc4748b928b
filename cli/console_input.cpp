#include "cli/console_input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

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

bool PipedInput::ReadLine(std::string& line)
{
    for (;;) {
        const std::size_t end = buffer_.find('\n', start_);
        if (end != std::string::npos) {
            line.assign(buffer_, start_, end - start_);
            start_ = end + 1;
            return true;
        }
        if (!Fill())
            break;
    }
    if (start_ == buffer_.size())
        return false;
    line.assign(buffer_, start_);  // the last line had no LF
    start_ = buffer_.size();
    return true;
}

bool PipedInput::Answer(std::string_view prompt, std::string& line)
{
    output_.WriteError(prompt);
    return ReadLine(line);
}

// Appends the next block of input; false at its end.
bool PipedInput::Fill()
{
    if (at_end_)
        return false;
    buffer_.erase(0, start_);
    start_ = 0;
    if (!InputWaiting())
        output_.Flush();
    const std::size_t old_size = buffer_.size();
    buffer_.resize(old_size + kBlockSize);
    ssize_t got;
    do {
        got = ::read(STDIN_FILENO, buffer_.data() + old_size, kBlockSize);
    } while (got < 0 && errno == EINTR);
    buffer_.resize(old_size + static_cast<std::size_t>(got > 0 ? got : 0));
    at_end_ = got <= 0;
    return !at_end_;
}

}  // namespace orvik
