#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace orvik {

// A regular file open for reading (a file descriptor to close), or -1.
// Opening a named pipe would wait for a writer, so nothing waits: what is
// not a regular file is closed again at once.
int OpenRegularFile(const std::filesystem::path& path);

// The whole content of the regular file at `path`; nullopt when it cannot
// be opened or read, is not a regular file, or is larger than `limit`.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit);

}  // namespace orvik
