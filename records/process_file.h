#pragma once

#include <filesystem>
#include <string_view>

#include "calculator/core/calculation_history.h"

namespace orvik {

// The first line of every process file (GBK).
extern const std::string_view kProcessFileHeader;  // Haltor的计算器过程文件
// Ends the statement lines of a file whose history has an empty line.
inline constexpr std::string_view kProcessFileEndMarker = "end:";

struct ProcessFileResult {
    bool ok = false;
    // A fixed GBK message to show with an OK button; empty when there is none
    // (success, or a process file that silently could not be opened).
    std::string_view message;
    // History lines written or stored.
    int lines = 0;
};

// Writes the history's lines up to the first empty one, one text line each
// with its line breaks written as ";". On success those line breaks are
// replaced by ";" in the history too, so the window shows what the file holds;
// on failure neither the file nor the history changes ("打不开文件").
ProcessFileResult SaveProcessFile(const std::filesystem::path& path, CalculationHistory& history);

// Appends a process file's lines at the history's first empty slot, ";" turned
// back into line breaks, until "end:" or until the history is full. A file
// that cannot be opened changes nothing and reports no message; a wrong header
// changes nothing and reports "文件格式错误". Nothing is evaluated and the
// current line does not move: on success the window empties the input box,
// inserts CurrentText() and shows the last result again.
ProcessFileResult ReadProcessFile(const std::filesystem::path& path, CalculationHistory& history);

}  // namespace orvik
