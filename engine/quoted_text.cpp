#include "engine/quoted_text.h"

namespace orvik {
namespace {

// Bytes of the character that begins with `lead`.
size_t CharacterLength(unsigned char lead, TextEncoding encoding)
{
    if (encoding == TextEncoding::Gbk)
        return lead >= 0x81 ? 2 : 1;
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

}  // namespace

std::string QuoteText(std::string_view text, TextEncoding encoding)
{
    if (text.size() <= kQuoteMax)
        return std::string(text);
    size_t kept = 0;
    for (;;) {
        const size_t next = kept + CharacterLength(static_cast<unsigned char>(text[kept]), encoding);
        if (next > kQuoteMax)
            break;
        kept = next;
    }
    return std::string(text.substr(0, kept)).append("...");
}

}  // namespace orvik
