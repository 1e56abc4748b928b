#pragma once

#include <cstddef>
#include <string_view>

namespace orvik {

// Larger files are refused rather than read into memory: the texts the
// calculator hands over are far smaller.
inline constexpr std::size_t kMaxDocumentBytes = 16 * 1024 * 1024;

// The line end a text uses first: CR LF, LF or a lone CR; CR LF for a text
// of one line.
std::string_view LineEndOf(std::string_view bytes);

}  // namespace orvik
