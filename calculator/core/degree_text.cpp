#include "calculator/core/degree_text.h"

#include <algorithm>
#include <cmath>

#include "engine/number_format.h"
#include "engine/number_text.h"
#include "engine/operator_table.h"

namespace orvik {
namespace {

constexpr int kSecondFractionDigits = 20;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool StartsNumber(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// Digits read as the fraction of a second, as if written after "0.".
double SecondFraction(std::string_view digits)
{
    return ParseDecimalPrefix("0." + std::string(digits));
}

// Up to `count` characters of `text` from `from`; fewer where it ends.
std::string_view Part(std::string_view text, size_t from, size_t count)
{
    return from < text.size() ? text.substr(from, count) : std::string_view();
}

// 10.073050: degrees, then two characters minutes, two seconds, the rest the
// second's fraction.
double ReadPointForm(std::string_view text)
{
    const size_t point = text.find('.');
    const std::string_view after = text.substr(point + 1);
    return ParseDecimalPrefix(text.substr(0, point))
        + ParseDecimalPrefix(Part(after, 0, 2)) * constants::kMinuteFactor
        + ParseDecimalPrefix(Part(after, 2, 2)) * constants::kSecondFactor
        + SecondFraction(Part(after, 4, std::string_view::npos)) * constants::kSecondFactor;
}

double ReadUnsignedAngle(std::string_view text)
{
    if (text.find(kDegreeMark) != std::string_view::npos || text.find('\'') != std::string_view::npos)
        return ParseAngleText(text);
    if (text.find('.') != std::string_view::npos)
        return ReadPointForm(text);
    return ParseDecimalPrefix(text);
}

}  // namespace

std::string DegreesToDmsText(double degrees)
{
    // No angle to show; the plain value at least does not lie.
    if (!std::isfinite(degrees))
        return DecimalDegreesText(degrees);
    // Whole degrees of any size, not cut to 32 bits, so a large value is not
    // shown as some other angle.
    const double magnitude = std::fabs(degrees);
    const double whole_degrees = std::trunc(magnitude);
    const double minutes = (magnitude - whole_degrees) * 60;
    const double whole_minutes = std::trunc(minutes);
    const double seconds = (minutes - whole_minutes) * 60;
    const double whole_seconds = std::trunc(seconds);
    // The fraction is below 1, so its text is "0." and the 20 digits.
    const std::string fraction = FormatFixed(seconds - whole_seconds, kSecondFractionDigits);
    std::string text = degrees < 0 ? "-" : "";
    text += FormatFixed(whole_degrees, 0);
    text += kDegreeMark;
    text += FormatFixed(whole_minutes, 0);
    text += kMinuteMark;
    text += FormatFixed(whole_seconds, 0);
    text += kSecondMark;
    text += fraction.substr(2);
    return text;
}

double DmsTextToDegrees(std::string_view text)
{
    const size_t start = std::find_if_not(text.begin(), text.end(), IsBlank) - text.begin();
    // Only a sign right before the number is the angle's; anything else is
    // left to the standard reading, which then finds no number.
    if (start + 1 < text.size() && (text[start] == '-' || text[start] == '+')
        && StartsNumber(text[start + 1])) {
        const double magnitude = ReadUnsignedAngle(text.substr(start + 1));
        return text[start] == '-' ? -magnitude : magnitude;
    }
    return ReadUnsignedAngle(text);
}

std::string DecimalDegreesText(double degrees)
{
    return FormatFixed(degrees, kSecondFractionDigits);
}

}  // namespace orvik
