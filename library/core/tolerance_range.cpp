#include "library/core/tolerance_range.h"

#include <algorithm>
#include <cmath>

#include "library/core/number_entry.h"
#include "platform/trim_blanks.h"

namespace orvik {
namespace {

constexpr std::string_view kPlusMinus = "±";

// From `value` + `below` to `value` + `above`.
std::optional<ToleranceRange> Range(double value, double below, double above)
{
    const ToleranceRange range{value + below, value + above, value + (below + above) / 2, (above - below) / 2};
    if (!std::isfinite(range.low) || !std::isfinite(range.high) || !std::isfinite(range.half_width))
        return std::nullopt;
    return range;
}

std::optional<double> NotNegative(std::string_view text)
{
    const std::optional<double> number = ReadNumberEntry(text);
    if (!number || *number < 0)
        return std::nullopt;
    return number;
}

}  // namespace

std::optional<ToleranceRange> ReadTolerance(std::string_view text, double value)
{
    text = TrimBlanks(text);
    for (const std::string_view sign : {kPlusMinus, std::string_view("+-")}) {
        if (text.starts_with(sign)) {
            const std::optional<double> t = NotNegative(text.substr(sign.size()));
            return t ? Range(value, -*t, *t) : std::nullopt;
        }
    }
    if (text.ends_with('%')) {
        const std::optional<double> p = NotNegative(text.substr(0, text.size() - 1));
        if (!p)
            return std::nullopt;
        const double deviation = std::abs(value) * *p / 100;
        return Range(value, -deviation, deviation);
    }
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const std::optional<double> a = ReadNumberEntry(text.substr(0, slash));
    const std::optional<double> b = ReadNumberEntry(text.substr(slash + 1));
    if (!a || !b)
        return std::nullopt;
    return Range(value, std::min(*a, *b), std::max(*a, *b));
}

std::string ToleranceMessage(std::string_view name, std::string_view text)
{
    return std::string(name) + " 的公差写法不对: " + std::string(text) + "\n公差应写成 ±T、+-T、+A/-B 或 P%";
}

}  // namespace orvik
