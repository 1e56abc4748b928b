#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvik {

// The help file's name (UTF-8) and the place it is looked for: the current
// directory first, then the program directory. Empty when neither has it.
inline constexpr std::string_view kHelpFileName = "计算器.txt";
std::string FindHelpFile();

// A help file's text as shown: the title line dropped, then every line up
// to a line "end:" or the end of the file, each ending in CR LF. Lines
// longer than kHelpLineMax bytes are shown in pieces. nullopt when the file
// cannot be read. Text stays GBK.
inline constexpr std::size_t kHelpLineMax = 298;
std::optional<std::string> ReadHelpText(const std::string& path);

}  // namespace orvik
