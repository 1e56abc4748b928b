#pragma once

#include <filesystem>
#include <string_view>

namespace orvik {

// Replaces `target` with `bytes` through a temporary file in the same
// directory that is renamed over it, so the old file stays whole when any
// step fails. An existing file keeps its permissions; a read-only one is not
// replaced. A symbolic link stays: the file it names is replaced. False
// when the file could not be written.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace orvik
