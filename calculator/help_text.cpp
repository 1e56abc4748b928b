#include "calculator/help_text.h"

#include <filesystem>

#include "platform/gbk.h"
#include "platform/program_directory.h"
#include "platform/text_file_lines.h"

namespace orvik {
namespace {

// Cuts at most `max` bytes off the front of a GBK line without splitting a
// two-byte character.
std::size_t PieceLength(std::string_view line, std::size_t max)
{
    if (line.size() <= max)
        return line.size();
    std::size_t length = 0;
    while (length < max) {
        const std::size_t step = GbkCharLength(line, length);
        if (length + step > max)
            break;
        length += step;
    }
    return length;
}

void AppendInPieces(std::string_view line, std::string& text)
{
    do {
        const std::size_t length = PieceLength(line, kHelpLineMax);
        text.append(line.substr(0, length));
        text += "\r\n";
        line.remove_prefix(length);
    } while (!line.empty());
}

}  // namespace

std::string FindHelpFile()
{
    // File names are the file system's bytes (UTF-8), like this source.
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path current = fs::current_path(error);
    for (const fs::path& directory : {current, fs::path(ProgramDirectory())}) {
        const fs::path candidate = directory / std::string(kHelpFileName);
        if (!directory.empty() && fs::is_regular_file(candidate, error))
            return candidate.string();
    }
    return {};
}

std::optional<std::string> ReadHelpText(const std::string& path)
{
    // The help file is ours; a line beyond this is no help text anyway.
    constexpr std::size_t kLineLimit = 64 * 1024;
    TextFileLines file(path, kLineLimit, TextFileLines::LongLines::Cut);
    if (!file.IsOpen())
        return std::nullopt;
    std::string line;
    file.Next(line);  // the title
    std::string text;
    while (file.Next(line)) {
        if (line == "end:")
            break;
        AppendInPieces(line, text);
    }
    return text;
}

}  // namespace orvik
