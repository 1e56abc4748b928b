#include "cli/line_history.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/program_directory.h"
#include "platform/text_file_lines.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

// A longer line is read cut short: the engine takes no longer statement.
constexpr std::size_t kLineMax = 64 * 1024;

// Makes the directories up to `directory` that are missing, readable by the
// user alone, as the state directory should be.
void MakePrivateDirectories(const fs::path& directory)
{
    fs::path partial;
    for (const fs::path& part : directory) {
        partial /= part;
        ::mkdir(partial.c_str(), 0700);
    }
}

}  // namespace

LineHistory::LineHistory(std::string path, std::size_t limit) : limit_(limit)
{
    if (!path.empty() && fs::path(path).is_absolute())
        path_ = std::move(path);
    Read();
}

bool LineHistory::Add(const std::string& line)
{
    if (!lines_.empty() && lines_.back() == line)
        return false;
    lines_.push_back(line);
    if (lines_.size() > limit_)
        lines_.pop_front();
    Append(line);
    return true;
}

void LineHistory::Read()
{
    if (path_.empty())
        return;
    TextFileLines file(path_, kLineMax, TextFileLines::LongLines::Cut);
    std::string line;
    while (file.Next(line)) {
        ++lines_in_file_;
        lines_.push_back(line);
        if (lines_.size() > limit_)
            lines_.pop_front();
    }
}

void LineHistory::Append(const std::string& line)
{
    if (path_.empty())
        return;
    if (lines_in_file_ + 1 >= 2 * limit_) {
        CutBackFile();
        return;
    }
    MakePrivateDirectories(fs::path(path_).parent_path());
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    // One write, so lines of sessions side by side never interleave.
    if (WriteAll(fd, line + '\n') == 0)
        ++lines_in_file_;
    ::close(fd);
}

// Rewrites the file with the lines held, which end with the newest one.
void LineHistory::CutBackFile()
{
    std::string text;
    for (const std::string& line : lines_)
        text.append(line).push_back('\n');
    if (WriteFileAtomically(path_, text))
        lines_in_file_ = lines_.size();
}

std::string DefaultHistoryPath()
{
    return (fs::path(UserStateDirectory()) / "history").string();
}

}  // namespace orvik
