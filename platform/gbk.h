#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvik {

// Stored text is GBK; terminals, file names and Qt speak Unicode. These are
// the only two doors between them.

// UTF-8 to GBK; nullopt when the text holds a character that GBK cannot
// represent (or is not valid UTF-8).
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// GBK to UTF-8. Bytes that are not valid GBK each become U+FFFD, so any file
// can be shown.
std::string GbkToUtf8(std::string_view gbk);

// Bytes of the character at `pos`: 2 for a GBK lead byte followed by a trail
// byte, else 1, so no character reaches past the text.
std::size_t GbkCharLength(std::string_view text, std::size_t pos);

}  // namespace orvik
