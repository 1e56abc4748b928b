#include "library/core/formula_values.h"

#include <cmath>

#include "engine/number_format.h"

namespace orvik {
namespace {

bool ShownWithExponent(double v)
{
    const double a = std::fabs(v);
    return a > 1e6 || (a > 1e-99 && a < 1e-6);
}

}  // namespace

std::string FormulaValueText(double v)
{
    return ShownWithExponent(v) ? FormatScientific(v) : FormatFixed(v, 6);
}

std::string FormulaResultText(double v)
{
    if (ShownWithExponent(v))
        return FormatScientific(v);
    std::string text = "=";  // appended, not "=" + ...: GCC 12 warns falsely on that form
    return text += FormatFixed(v, 6);
}

std::string EnteredValueText(double v)
{
    const double a = std::fabs(v);
    return a > 0 && a < 1e-6 ? FormatScientific(v) : FormatFixed(v, 6);
}

}  // namespace orvik
