#include "library/core/number_entry.h"

#include <cmath>

#include "engine/number_text.h"
#include "platform/trim_blanks.h"

namespace orvik {

std::optional<double> ReadNumberEntry(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty())
        return std::nullopt;
    size_t consumed = 0;
    const double value = ParseDecimalPrefix(text, &consumed);
    if (consumed != text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace orvik
