#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace orvik {

// How many lines the console keeps: as many as the window's history.
inline constexpr std::size_t kHistoryLines = 500;

// The statement lines typed at the prompt, kept between sessions in a file
// of plain lines. The newest `limit` lines are read back at the start; each
// new line is appended at once, so a session that is killed loses nothing,
// and several sessions add to the file side by side. Before the file holds
// twice `limit` lines it is cut back to the newest ones. A file that cannot
// be read or written leaves the history to this session alone.
class LineHistory {
public:
    // `path` empty or relative: no file at all.
    LineHistory(std::string path, std::size_t limit);

    // The newest lines, oldest first.
    const std::deque<std::string>& Lines() const { return lines_; }

    // Adds `line` unless it repeats the newest one; false when it repeats.
    bool Add(const std::string& line);

private:
    void Read();
    void Append(const std::string& line);
    void CutBackFile();

    std::string path_;
    std::size_t limit_;
    std::deque<std::string> lines_;
    std::size_t lines_in_file_ = 0;
};

// Where the console keeps its line history: "history" in the user's state
// directory.
std::string DefaultHistoryPath();

}  // namespace orvik
