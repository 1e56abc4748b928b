#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace orvik {

// Reads a text file one line at a time: LF ends a line and is not kept, a CR
// right before it is dropped. Only regular files open, so a directory, a
// device or a named pipe reads as a file that cannot be opened (and opening
// never waits for a writer). At most `max_bytes` of a line are ever held: a
// longer line is either read as several lines (Split) or cut, its rest
// skipped (Cut).
class TextFileLines {
public:
    enum class LongLines { Split, Cut };

    TextFileLines(const std::filesystem::path& path, std::size_t max_bytes, LongLines long_lines);
    ~TextFileLines();
    TextFileLines(const TextFileLines&) = delete;
    TextFileLines& operator=(const TextFileLines&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    // The next line; false at the end of the file (or of what could be read).
    bool Next(std::string& line);

    // Whether a line longer than `max_bytes` was cut (Cut only).
    bool CutAny() const { return cut_any_; }

private:
    // Whether `count` unread bytes are in the buffer, reading more if needed.
    bool Holds(std::size_t count);
    // The unread bytes begin with CR LF (which end the line, not lengthen it).
    bool AtCrLf();
    void SkipRestOfLine();

    int fd_ = -1;
    std::size_t max_bytes_;
    LongLines long_lines_;
    bool cut_any_ = false;
    char buffer_[64 * 1024];
    std::size_t position_ = 0;
    std::size_t end_ = 0;
};

}  // namespace orvik
