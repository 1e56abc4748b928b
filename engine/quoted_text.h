#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvik {

// Messages quote a text whole up to this many bytes, a longer one by the
// characters that fit in them and "...": a huge rejected text must not flood
// a message box or a terminal.
inline constexpr size_t kQuoteMax = 40;

enum class TextEncoding { Gbk, Utf8 };

// `text` as a message quotes it; the cut never splits a character.
std::string QuoteText(std::string_view text, TextEncoding encoding = TextEncoding::Gbk);

}  // namespace orvik
