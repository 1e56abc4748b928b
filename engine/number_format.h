#pragma once

#include <string>

namespace orvik {

// Every function here writes infinities as "INF" and "-INF" and NaN as "NAN".

// "%.<decimals>f" without the C locale's say in the decimal point.
std::string FormatFixed(double v, int decimals);

// "%.<digits>g", all of a double's digits with 17, without the locale's
// say in the decimal point either.
std::string FormatGeneral(double v, int digits);
// The same appended to `text`: long tables of numbers are written so.
void AppendGeneral(std::string& text, double v, int digits);

// "%E" with an exponent of at least three digits: 1.000000E+031, 0.000000E+000.
std::string FormatScientific(double v);

// FormatScientific when |v| > limit or |v| < 1/limit (zero included),
// FormatFixed(v, decimals) otherwise.
std::string FormatDecimal(double v, double limit, int decimals);

enum class Radix { Binary = 0, Octal = 1, Decimal = 2, Hexadecimal = 3 };

// The result box text: decimal, or the integer part masked to `byte_length`
// bytes (1, 2, 4 or 8) in binary ("0B"), octal ("Oct") or hexadecimal ("0x").
std::string FormatResult(double v, Radix radix, int byte_length);

}  // namespace orvik
