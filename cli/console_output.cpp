#include "cli/console_output.h"

#include <unistd.h>

#include <cerrno>

namespace orvik {
namespace {

constexpr std::size_t kBufferLimit = 64 * 1024;

void WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;  // nowhere to write to: what follows is lost as well
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

void ConsoleOutput::Write(std::string_view text)
{
    buffer_.append(text);
    if (buffer_.size() >= kBufferLimit)
        Flush();
}

void ConsoleOutput::WriteError(std::string_view text)
{
    Flush();
    WriteAll(STDERR_FILENO, text);
}

void ConsoleOutput::Flush()
{
    WriteAll(STDOUT_FILENO, buffer_);
    buffer_.clear();
}

}  // namespace orvik
