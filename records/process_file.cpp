#include "records/process_file.h"

#include "platform/atomic_file.h"
#include "platform/text_file_lines.h"

namespace orvik {

const std::string_view kProcessFileHeader = "Haltor的计算器过程文件";
const std::string_view kCannotOpenFileMessage = "打不开文件";
const std::string_view kFileFormatErrorMessage = "文件格式错误";
const std::string_view kLinesCutMessage = "文件中有过长的行(超过2998个字节)，只读入了每行的前面部分";

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A history line on one text line: each CR LF becomes ";". A bare LF would
// split the line in two on reading, so it becomes ";" as well.
std::string JoinRows(std::string_view line)
{
    std::string joined;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, kLineEnd.size(), kLineEnd) == 0) {
            joined += ';';
            ++i;
        } else {
            joined += line[i] == '\n' ? ';' : line[i];
        }
    }
    return joined;
}

std::string SplitRows(std::string_view line)
{
    std::string rows;
    for (char c : line) {
        if (c == ';')
            rows += kLineEnd;
        else
            rows += c;
    }
    return rows;
}

}  // namespace

ProcessFileSave SaveProcessFile(const std::filesystem::path& path, std::span<const std::string> lines)
{
    ProcessFileSave save;
    std::string text = std::string(kProcessFileHeader) + std::string(kLineEnd);
    for (const std::string& line : lines) {
        save.stored_lines.push_back(JoinRows(line));
        text += save.stored_lines.back();
        text += kLineEnd;
    }
    if (lines.size() < kProcessFileLineCount)
        text += kProcessFileEndMarker;
    if (!WriteFileAtomically(path, text))
        return {false, kCannotOpenFileMessage, {}};
    save.ok = true;
    return save;
}

ProcessFileRead ReadProcessFile(const std::filesystem::path& path, int room)
{
    TextFileLines file(path, kProcessFileLineMax, TextFileLines::LongLines::Cut);
    if (!file.IsOpen())
        return {};
    std::string line;
    if (!file.Next(line) || line != kProcessFileHeader)
        return {false, kFileFormatErrorMessage, {}};
    ProcessFileRead read;
    while (static_cast<int>(read.lines.size()) < room && file.Next(line) && line != kProcessFileEndMarker)
        read.lines.push_back(SplitRows(line));
    read.ok = true;
    if (file.CutAny())
        read.message = kLinesCutMessage;
    return read;
}

}  // namespace orvik
