#pragma once

#include <filesystem>
#include <string_view>

namespace orvik {

// Writes all of `bytes` to the descriptor `fd`, going on after an
// interruption or a short write: 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes);

// Replaces `target` with `bytes` through a temporary file in the same
// directory that is renamed over it, so the old file stays whole when any
// step fails. An existing file keeps its permissions; a read-only one is not
// replaced. A symbolic link stays: the file it names is replaced. False
// when the file could not be written.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace orvik
