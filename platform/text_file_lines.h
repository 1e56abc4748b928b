#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

namespace orvik {

// Reads a text file one line at a time: LF ends a line and is not kept, a CR
// right before it is dropped. Only regular files open, so a directory or a
// device reads as a file that cannot be opened. At most `max_bytes` of a line
// are ever held: a longer line is either read as several lines (Split) or
// cut, its rest skipped (Cut).
class TextFileLines {
public:
    enum class LongLines { Split, Cut };

    TextFileLines(const std::filesystem::path& path, std::size_t max_bytes, LongLines long_lines);
    ~TextFileLines();
    TextFileLines(const TextFileLines&) = delete;
    TextFileLines& operator=(const TextFileLines&) = delete;

    bool IsOpen() const { return file_ != nullptr; }

    // The next line; false at the end of the file (or of what could be read).
    bool Next(std::string& line);

    // Whether a line longer than `max_bytes` was cut (Cut only).
    bool CutAny() const { return cut_any_; }

private:
    bool Fill();
    void SkipRestOfLine();

    std::FILE* file_ = nullptr;
    std::size_t max_bytes_;
    LongLines long_lines_;
    bool cut_any_ = false;
    char buffer_[64 * 1024];
    std::size_t position_ = 0;
    std::size_t end_ = 0;
};

}  // namespace orvik
