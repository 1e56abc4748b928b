#include "engine/number_text.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include <locale.h>

#include "engine/operator_table.h"

namespace orvik {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Up to 8 digits give an unsigned 32-bit value; longer literals are split
// into the last 8 digits (low part) and the digits before them (high part).
double ParseHex(std::string_view digits)
{
    size_t count = 0;
    while (count < digits.size() && HexDigit(digits[count]) >= 0)
        ++count;
    digits = digits.substr(0, count);
    auto accumulate = [](std::string_view part) {
        double value = 0;
        for (char c : part)
            value = value * 16 + HexDigit(c);
        return value;
    };
    if (digits.size() <= 8)
        return accumulate(digits);
    size_t split = digits.size() - 8;
    return accumulate(digits.substr(0, split)) * constants::kTwoTo32
        + accumulate(digits.substr(split));
}

// Every "1" adds two to the power of its place from the right end; any other
// character adds nothing but still holds its place.
double ParseBinary(std::string_view digits)
{
    double value = 0;
    const int last = static_cast<int>(digits.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        if (digits[i] == '1')
            value += std::ldexp(1.0, last - i);
    }
    return value;
}

// Digits are not checked: each character adds (character - '0').
double ParseOctal(std::string_view digits)
{
    double value = 0;
    for (char c : digits)
        value = value * 8 + (c - '0');
    return value;
}

// from_chars leaves the value alone when it over- or underflows; strtod in the
// C locale gives the infinity or the (denormal) tiny value instead.
double OutOfRangeValue(const std::string& digits)
{
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(digits.c_str(), nullptr, c_locale);
}

double PartValue(std::string_view text) { return ParseDecimalPrefix(text); }

// A part "5" after the last mark is half a second: read it as "0.5".
double FractionValue(std::string_view digits)
{
    char buffer[320] = "0.";
    const size_t n = digits.size() < sizeof buffer - 3 ? digits.size() : sizeof buffer - 3;
    digits.copy(buffer + 2, n);
    return ParseDecimalPrefix(std::string_view(buffer, n + 2));
}

// degrees <mark1> minutes <mark2> seconds <mark3> fraction; later parts optional.
double ParseMarked(std::string_view text, std::string_view degree_mark,
                   std::string_view minute_mark, std::string_view second_mark)
{
    size_t at = text.find(degree_mark);
    double degrees = PartValue(text.substr(0, at));
    std::string_view rest = text.substr(at + degree_mark.size());
    at = rest.find(minute_mark);
    if (at == std::string_view::npos)
        return degrees + PartValue(rest) * constants::kMinuteFactor;
    degrees += PartValue(rest.substr(0, at)) * constants::kMinuteFactor;
    rest = rest.substr(at + minute_mark.size());
    at = rest.find(second_mark);
    if (at == std::string_view::npos)
        return degrees + PartValue(rest) * constants::kSecondFactor;
    degrees += PartValue(rest.substr(0, at)) * constants::kSecondFactor;
    return degrees + FractionValue(rest.substr(at + second_mark.size())) * constants::kSecondFactor;
}

}  // namespace

int32_t Trunc32(double v)
{
    if (!std::isfinite(v))
        return 0;
    // fmod is exact, so this is the low 32 bits of the truncated integer even
    // far outside the 64-bit range.
    const double low = std::fmod(std::trunc(v), constants::kTwoTo32);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(low)));
}

double ParseDecimalPrefix(std::string_view text, size_t* consumed)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n'
                               || text[i] == '\r' || text[i] == '\f' || text[i] == '\v'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // from_chars takes neither a sign nor an exponent without digits after
    // it, so only digits and a point may start the number here.
    if (i >= text.size() || !(IsDigit(text[i]) || text[i] == '.')) {
        if (consumed)
            *consumed = 0;
        return 0;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::invalid_argument) {
        if (consumed)
            *consumed = 0;
        return 0;
    }
    if (error == std::errc::result_out_of_range)
        value = OutOfRangeValue(std::string(text.data() + i, end));
    if (consumed)
        *consumed = static_cast<size_t>(end - text.data());
    return negative ? -value : value;
}

double ParseNumberLiteral(std::string_view text)
{
    if (text.size() >= 2 && text[0] == '0') {
        switch (text[1]) {
        case 'x': case 'X': return ParseHex(text.substr(2));
        case 'b': case 'B': return ParseBinary(text.substr(2));
        case 'o': case 'O': return ParseOctal(text.substr(2));
        default: break;
        }
    }
    return ParseAngleText(text);
}

double ParseAngleText(std::string_view text)
{
    if (text.find(kDegreeMark) != std::string_view::npos)
        return ParseMarked(text, kDegreeMark, kMinuteMark, kSecondMark);
    if (text.find('\'') != std::string_view::npos)
        return ParseMarked(text, "'", "'", "'");
    return ParseDecimalPrefix(text);
}

}  // namespace orvik
