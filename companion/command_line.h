#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

// The companion is only ever started by the calculator, with one argument made
// of this prefix and the path of the file to print.
inline constexpr std::string_view kCallPrefix = "VEK_CALL__";

// The path of the file to open, taken from the program's arguments (without
// the program name): the first argument that is not an option must begin with
// the exact prefix. nullopt means the program has nothing to do.
std::optional<std::string> FileToOpen(const std::vector<std::string>& arguments);

}  // namespace orvik
