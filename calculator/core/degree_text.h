#pragma once

#include <string>
#include <string_view>

namespace orvik {

// Decimal degrees as a degrees-minutes-seconds text: whole degrees, °, whole
// minutes, ′, whole seconds, ″, then the 20 digits of the second's fraction:
// 10.125 gives 10°7′30″00000000000000000000. The sign belongs to the whole
// angle: -0.5 gives -0°30′0″00000000000000000000. The marks are GBK.
std::string DegreesToDmsText(double degrees);

// Reads a written angle back into decimal degrees: 10°7′30″5 (the digits
// after ″ are the second's fraction), the same with apostrophes (10'7'30'5),
// the point form 10.073050 (two digits minutes, two digits seconds, then the
// fraction) or a plain number. A sign before the degrees belongs to the whole
// angle (-30°30′ is -30.5). Text without a number reads as 0.
double DmsTextToDegrees(std::string_view text);

// The input box text after reading an angle back: "%.20f".
std::string DecimalDegreesText(double degrees);

}  // namespace orvik
