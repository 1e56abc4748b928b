#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

// The first line of every process file (GBK).
extern const std::string_view kProcessFileHeader;  // Haltor的计算器过程文件
// Ends the statement lines of a file whose history has an empty line.
inline constexpr std::string_view kProcessFileEndMarker = "end:";
// A file holds at most this many statement lines, as the history does.
inline constexpr int kProcessFileLineCount = 500;
// The most of one text line that is read, and of a line in the input box.
// A statement is at most 1999 bytes; far longer lines are no statements but
// keep the window busy laying them out on every keystroke. Longer lines are
// cut and the reader says so.
inline constexpr std::size_t kProcessFileLineMax = 2998;

// The fixed GBK messages of the save and the reader.
extern const std::string_view kCannotOpenFileMessage;   // 打不开文件
extern const std::string_view kFileFormatErrorMessage;  // 文件格式错误
extern const std::string_view kLinesCutMessage;         // 过长的行只读入了前面部分

struct ProcessFileSave {
    bool ok = false;
    // A fixed GBK message to show with an OK button; empty on success.
    std::string_view message;
    // The lines as the file holds them: rows joined by ";".
    std::vector<std::string> stored_lines;
};

// Writes the history's lines in use (up to, not including, its first empty
// line), one text line each with its line breaks written as ";", and the
// end marker when there are fewer than kProcessFileLineCount. A failed write
// leaves the old file as it was ("打不开文件").
ProcessFileSave SaveProcessFile(const std::filesystem::path& path, std::span<const std::string> lines);

struct ProcessFileRead {
    bool ok = false;
    // A fixed GBK message to show with an OK button, also after a read that
    // cut long lines; empty when there is none (success, or a file that
    // silently could not be opened).
    std::string_view message;
    // The lines read, ";" turned back into CR LF line breaks.
    std::vector<std::string> lines;
};

// Reads a process file's lines, at most `room` of them, until "end:". A
// file that cannot be opened (a directory included) gives no message; a
// wrong header gives "文件格式错误" and no lines.
ProcessFileRead ReadProcessFile(const std::filesystem::path& path, int room);

}  // namespace orvik
