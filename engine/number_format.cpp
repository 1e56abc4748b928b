#include "engine/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cctype>
#include <cstdio>

#include "engine/number_text.h"
#include "engine/operator_table.h"

namespace orvik {
namespace {

// Room for the longest fixed text of a double.
using NumberBuffer = char[400];

// Every text of a value goes through here, so infinities and NaN read the
// same everywhere, whatever the sign bit of a NaN.
std::string_view ToChars(NumberBuffer& buffer, double v, std::chars_format format, int precision)
{
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, format, precision);
    return std::string_view(buffer, result.ptr - buffer);
}

std::string ToChars(double v, std::chars_format format, int precision)
{
    NumberBuffer buffer;
    return std::string(ToChars(buffer, v, format, precision));
}

std::string Binary(uint32_t bits, int min_digits)
{
    std::string digits;
    for (int place = 31; place >= 0; --place) {
        const bool one = (bits >> place) & 1u;
        if (one || !digits.empty() || place < min_digits)
            digits += one ? '1' : '0';
    }
    return digits.empty() ? "0" : digits;
}

std::string Printf(const char* format, uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// The lowest 32 bits of trunc(v / divisor), as unsigned.
uint32_t HighPart(double v, double divisor)
{
    return static_cast<uint32_t>(Trunc32(v / divisor));
}

uint32_t Mask(uint32_t low, int byte_length)
{
    switch (byte_length) {
    case 1: return low & 0xFFu;
    case 2: return low & 0xFFFFu;
    default: return low;
    }
}

}  // namespace

std::string FormatFixed(double v, int decimals)
{
    return ToChars(v, std::chars_format::fixed, decimals);
}

std::string FormatGeneral(double v, int digits)
{
    return ToChars(v, std::chars_format::general, digits);
}

void AppendGeneral(std::string& text, double v, int digits)
{
    NumberBuffer buffer;
    text.append(ToChars(buffer, v, std::chars_format::general, digits));
}

std::string FormatScientific(double v)
{
    std::string text = ToChars(v, std::chars_format::scientific, 6);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const size_t e = text.find('E');
    if (e != std::string::npos && text.size() - (e + 2) < 3)
        text.insert(e + 2, 3 - (text.size() - (e + 2)), '0');
    return text;
}

std::string FormatDecimal(double v, double limit, int decimals)
{
    const double magnitude = std::fabs(v);
    if (magnitude > limit || magnitude < 1 / limit)
        return FormatScientific(v);
    return FormatFixed(v, decimals);
}

std::string FormatResult(double v, Radix radix, int byte_length)
{
    if (radix == Radix::Decimal || !std::isfinite(v))
        return FormatDecimal(v, 1e30, 12);
    const uint32_t low = static_cast<uint32_t>(Trunc32(v));
    const bool wide = byte_length == 8 && v > 4294967295.0;
    switch (radix) {
    case Radix::Binary:
        if (wide)
            return "0B" + Binary(HighPart(v, constants::kTwoTo32), 0) + Binary(low, 32);
        return "0B" + Binary(Mask(low, byte_length), 0);
    case Radix::Octal:
        if (wide)
            return "Oct" + Printf("%o", HighPart(v, 1073741824.0)) + Printf("%010o", low & 0x3FFFFFFFu);
        return "Oct" + Printf("%o", Mask(low, byte_length));
    default:
        if (wide)
            return "0x" + Printf("%X", HighPart(v, constants::kTwoTo32)) + Printf("%08X", low);
        return "0x" + Printf("%X", Mask(low, byte_length));
    }
}

}  // namespace orvik
