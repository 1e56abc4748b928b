#include "companion/text_steps.h"

namespace orvik {
namespace {

bool IsSpace(char16_t unit) { return IsBlank(unit) || unit == u'\n'; }

}  // namespace

std::size_t NextCharacter(std::u16string_view text, std::size_t pos)
{
    return pos < text.size() ? pos + CharLengthAt(text, pos) : text.size();
}

std::size_t PreviousCharacter(std::u16string_view text, std::size_t pos)
{
    if (pos == 0)
        return 0;
    const bool pair = pos >= 2 && IsLowSurrogate(text[pos - 1]) && IsHighSurrogate(text[pos - 2]);
    return pos - (pair ? 2 : 1);
}

std::size_t NextWord(std::u16string_view text, std::size_t pos)
{
    while (pos < text.size() && !IsSpace(text[pos]))
        ++pos;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    return pos;
}

std::size_t PreviousWord(std::u16string_view text, std::size_t pos)
{
    while (pos > 0 && IsSpace(text[pos - 1]))
        --pos;
    while (pos > 0 && !IsSpace(text[pos - 1]))
        --pos;
    return pos;
}

std::pair<std::size_t, std::size_t> WordAround(std::u16string_view text, std::size_t pos)
{
    if (pos >= text.size() || text[pos] == u'\n')
        return {pos, pos};
    const bool blank = IsBlank(text[pos]);
    const auto same_kind = [&](std::size_t at) { return text[at] != u'\n' && IsBlank(text[at]) == blank; };
    std::size_t first = pos;
    while (first > 0 && same_kind(first - 1))
        --first;
    std::size_t last = pos;
    while (last < text.size() && same_kind(last))
        ++last;
    return {first, last};
}

}  // namespace orvik
