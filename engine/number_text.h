#pragma once

#include <cstdint>
#include <string_view>

namespace orvik {

// v truncated toward zero, of which the low 32 bits are taken as a signed
// integer: Trunc32(-2.7) = -2, Trunc32(4294967301) = 5. Infinities and NaN
// give 0.
int32_t Trunc32(double v);

// The standard decimal conversion: optional blanks, an optional sign, digits
// with an optional point and fraction, an optional exponent. Reading stops at
// the first other character; no number at all reads as 0. `consumed`, when
// given, receives the number of bytes read (0 when there was no number).
// Independent of the C locale.
double ParseDecimalPrefix(std::string_view text, size_t* consumed = nullptr);

// A number literal as the scanner reads it: text that begins with a digit or
// a point. 0x.. hexadecimal, 0b.. binary, 0o.. octal; anything else is a
// decimal or degrees-minutes-seconds text (see ParseAngleText).
double ParseNumberLiteral(std::string_view text);

// Decimal degrees from 30°30′, 1°0′0″5 (the part after ″ is the fraction of a
// second), 10'30'36 or a plain decimal number. The marks are GBK byte pairs.
double ParseAngleText(std::string_view text);

// The GBK byte pairs of the degree, minute and second marks.
inline constexpr std::string_view kDegreeMark = "\xA1\xE3";
inline constexpr std::string_view kMinuteMark = "\xA1\xE4";
inline constexpr std::string_view kSecondMark = "\xA1\xE5";

}  // namespace orvik
