#include "platform/text_file_lines.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

#include "platform/regular_file.h"

namespace orvik {

TextFileLines::TextFileLines(const std::filesystem::path& path, std::size_t max_bytes,
                             LongLines long_lines)
    : fd_(OpenRegularFile(path)), max_bytes_(max_bytes), long_lines_(long_lines)
{
}

TextFileLines::~TextFileLines()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool TextFileLines::Holds(std::size_t count)
{
    while (end_ - position_ < count) {
        // Keep the unread bytes and read more behind them.
        std::memmove(buffer_, buffer_ + position_, end_ - position_);
        end_ -= position_;
        position_ = 0;
        ssize_t got;
        do {
            got = fd_ >= 0 ? ::read(fd_, buffer_ + end_, sizeof buffer_ - end_) : 0;
        } while (got < 0 && errno == EINTR);
        if (got <= 0)
            return false;
        end_ += static_cast<std::size_t>(got);
    }
    return true;
}

bool TextFileLines::AtCrLf()
{
    return Holds(2) && buffer_[position_] == '\r' && buffer_[position_ + 1] == '\n';
}

bool TextFileLines::Next(std::string& line)
{
    line.clear();
    if (!Holds(1))
        return false;
    while (Holds(1)) {
        const char* begin = buffer_ + position_;
        const std::size_t available = end_ - position_;
        const char* lf = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t length = lf ? static_cast<std::size_t>(lf - begin) : available;
        const std::size_t taken = std::min(length, max_bytes_ - line.size());
        line.append(begin, taken);
        position_ += taken;
        if (taken == length && lf) {
            ++position_;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        if (taken == length)
            continue;
        // The line is full. Only its CR LF may follow, wherever a read has
        // split them; anything else makes it too long.
        if (AtCrLf()) {
            position_ += 2;
        } else if (long_lines_ == LongLines::Cut) {
            cut_any_ = true;
            SkipRestOfLine();
        }
        return true;
    }
    return true;  // the last line had no LF
}

void TextFileLines::SkipRestOfLine()
{
    while (Holds(1)) {
        const char* begin = buffer_ + position_;
        const char* lf = static_cast<const char*>(std::memchr(begin, '\n', end_ - position_));
        if (lf) {
            position_ += static_cast<std::size_t>(lf - begin) + 1;
            return;
        }
        position_ = end_;
    }
}

}  // namespace orvik
