#include "companion/command_line.h"

namespace orvik {

std::optional<std::string> FileToOpen(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments) {
        if (argument.starts_with('-'))
            continue;
        if (!argument.starts_with(kCallPrefix))
            return std::nullopt;
        return argument.substr(kCallPrefix.size());
    }
    return std::nullopt;
}

}  // namespace orvik
