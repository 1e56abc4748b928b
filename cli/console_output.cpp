#include "cli/console_output.h"

#include <unistd.h>

#include <cstring>

#include "platform/atomic_file.h"

namespace orvik {
namespace {

constexpr std::size_t kBufferLimit = 64 * 1024;

}  // namespace

void ConsoleOutput::Write(std::string_view text)
{
    if (Failed())
        return;
    if (text.size() >= kBufferLimit) {  // a long text goes out as it is
        Flush();
        if (!Failed())
            failure_ = WriteAll(STDOUT_FILENO, text);
        return;
    }
    buffer_.append(text);
    if (buffer_.size() >= kBufferLimit)
        Flush();
}

void ConsoleOutput::WriteError(std::string_view text)
{
    Flush();
    WriteAll(STDERR_FILENO, text);  // nowhere left to say that this failed
}

void ConsoleOutput::Flush()
{
    if (!Failed())
        failure_ = WriteAll(STDOUT_FILENO, buffer_);
    buffer_.clear();
}

int ConsoleOutput::Finish(int status)
{
    Flush();
    if (!Failed())
        return status;
    WriteError(std::string("orvik: 无法写出结果: ") + std::strerror(failure_) + "\n");
    return 1;
}

}  // namespace orvik
