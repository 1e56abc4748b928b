#pragma once

#include <string_view>

namespace orvik {

// `text` without the spaces and tabs around it.
std::string_view TrimBlanks(std::string_view text);

}  // namespace orvik
