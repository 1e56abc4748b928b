#include "companion/file_bytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace orvik {

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit)
{
    std::error_code error;
    const std::filesystem::path file(path);
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > limit)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    // A file that grew since its size was taken is read on to its end.
    if (in && in.peek() != std::ifstream::traits_type::eof())
        bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() > limit)
        return std::nullopt;
    return bytes;
}

std::string_view LineEndOf(std::string_view bytes)
{
    const auto end = std::find_if(bytes.begin(), bytes.end(), [](char byte) { return byte == '\r' || byte == '\n'; });
    const std::string_view line_end = bytes.substr(static_cast<std::size_t>(end - bytes.begin()), 2);
    if (line_end.empty() || line_end == "\r\n")
        return "\r\n";
    return line_end.substr(0, 1);
}

}  // namespace orvik
