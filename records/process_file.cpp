#include "records/process_file.h"

#include <fstream>
#include <string>
#include <vector>

#include "calculator/core/messages.h"
#include "records/atomic_file.h"

namespace orvik {

const std::string_view kProcessFileHeader = "Haltor的计算器过程文件";

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

// One line up to LF, of any length; a CR right before the LF is dropped.
bool ReadTextLine(std::istream& in, std::string& line)
{
    if (!std::getline(in, line))
        return false;
    const bool ended_by_lf = !in.eof();
    if (ended_by_lf && !line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

}  // namespace

ProcessFileResult SaveProcessFile(const std::filesystem::path& path, CalculationHistory& history)
{
    const int used = history.FirstEmptySlot();
    std::vector<std::string> rows;
    std::string text = std::string(kProcessFileHeader) + std::string(kLineEnd);
    for (int slot = 0; slot < used; ++slot) {
        rows.push_back(JoinRows(history.Line(slot)));
        text += rows.back();
        text += kLineEnd;
    }
    if (used < kHistoryLineCount)
        text += kProcessFileEndMarker;
    if (!WriteFileAtomically(path, text))
        return {false, kCannotOpenFileMessage, 0};
    for (int slot = 0; slot < used; ++slot)
        history.SetLine(slot, std::move(rows[slot]));
    return {true, {}, used};
}

ProcessFileResult ReadProcessFile(const std::filesystem::path& path, CalculationHistory& history)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::string line;
    if (!ReadTextLine(in, line) || line != kProcessFileHeader)
        return {false, kFileFormatErrorMessage, 0};
    const int first = history.FirstEmptySlot();
    int slot = first;
    while (slot < kHistoryLineCount && ReadTextLine(in, line) && line != kProcessFileEndMarker)
        history.SetLine(slot++, SplitRows(line));
    return {true, {}, slot - first};
}

}  // namespace orvik
