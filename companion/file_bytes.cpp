#include "companion/file_bytes.h"

#include <algorithm>

namespace orvik {

std::string_view LineEndOf(std::string_view bytes)
{
    const auto end = std::find_if(bytes.begin(), bytes.end(), [](char byte) { return byte == '\r' || byte == '\n'; });
    const std::string_view line_end = bytes.substr(static_cast<std::size_t>(end - bytes.begin()), 2);
    if (line_end.empty() || line_end == "\r\n")
        return "\r\n";
    return line_end.substr(0, 1);
}

}  // namespace orvik
