#include "platform/text_file_lines.h"

#include <cstring>

#include <sys/stat.h>

namespace orvik {

TextFileLines::TextFileLines(const std::filesystem::path& path, std::size_t max_bytes,
                             LongLines long_lines)
    : max_bytes_(max_bytes), long_lines_(long_lines)
{
    file_ = std::fopen(path.c_str(), "rb");
    struct stat status;
    if (file_ && (fstat(fileno(file_), &status) != 0 || !S_ISREG(status.st_mode))) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

TextFileLines::~TextFileLines()
{
    if (file_)
        std::fclose(file_);
}

bool TextFileLines::Fill()
{
    position_ = 0;
    end_ = file_ ? std::fread(buffer_, 1, sizeof buffer_, file_) : 0;
    return end_ > 0;
}

bool TextFileLines::Next(std::string& line)
{
    line.clear();
    bool any = false;
    for (;;) {
        if (position_ == end_ && !Fill())
            return any;
        any = true;
        const char* begin = buffer_ + position_;
        const std::size_t available = end_ - position_;
        const char* lf = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t length = lf ? static_cast<std::size_t>(lf - begin) : available;
        const std::size_t room = max_bytes_ - line.size();
        const bool only_cr_over = lf && length == room + 1 && begin[room] == '\r';
        if (length > room && !only_cr_over) {
            line.append(begin, room);
            position_ += room;
            if (long_lines_ == LongLines::Cut) {
                cut_any_ = true;
                SkipRestOfLine();
            }
            return true;
        }
        line.append(begin, only_cr_over ? room : length);
        position_ += length;
        if (lf) {
            ++position_;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
    }
}

void TextFileLines::SkipRestOfLine()
{
    for (;;) {
        if (position_ == end_ && !Fill())
            return;
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
