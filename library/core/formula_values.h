#pragma once

#include <string>

namespace orvik {

// How the formula dialog shows a value: "%E" (three-digit exponent) when
// its magnitude is above 1e6 or between 1e-99 and 1e-6, "%.6f" otherwise,
// so zero and the tiniest magnitudes stay in fixed notation.
std::string FormulaValueText(double v);

// A statement's result: the fixed form behind "=", the exponent form alone.
std::string FormulaResultText(double v);

// What Enter leaves in a value cell: "%.6f", or "%E" below a magnitude of
// 1e-6, which six decimals would cut to one digit or to zero.
std::string EnteredValueText(double v);

}  // namespace orvik
