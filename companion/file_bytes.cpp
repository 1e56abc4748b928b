#include "companion/file_bytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace orvik {

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit)
{
    std::error_code error;
    const std::filesystem::path file(path);
    if (!std::filesystem::is_regular_file(file, error) || std::filesystem::file_size(file, error) > limit
        || error)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad() || bytes.size() > limit)
        return std::nullopt;
    return bytes;
}

}  // namespace orvik
