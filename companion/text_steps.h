#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

namespace orvik {

// Caret steps through UTF-16 text: a surrogate pair is one character, and a
// word is a run of characters that are not blanks or line ends.

inline bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

inline bool IsBlank(char16_t unit)
{
    return unit == u' ' || unit == u'\t' || unit == u'\v' || unit == u'\f';
}

// Units of the character at `pos`: 2 for a surrogate pair, else 1.
inline std::size_t CharLengthAt(std::u16string_view text, std::size_t pos)
{
    const bool pair = pos + 1 < text.size() && IsHighSurrogate(text[pos]) && IsLowSurrogate(text[pos + 1]);
    return pair ? 2 : 1;
}

std::size_t NextCharacter(std::u16string_view text, std::size_t pos);
std::size_t PreviousCharacter(std::u16string_view text, std::size_t pos);

// The start of the next word, or the end of the text.
std::size_t NextWord(std::u16string_view text, std::size_t pos);
// The start of this word or, at its start, of the word before.
std::size_t PreviousWord(std::u16string_view text, std::size_t pos);

// The word (or the run of blanks) that holds `pos`, as [first, second).
std::pair<std::size_t, std::size_t> WordAround(std::u16string_view text, std::size_t pos);

}  // namespace orvik
