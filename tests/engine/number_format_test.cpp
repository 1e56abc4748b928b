#include "engine/number_format.h"

#include <cmath>

#include <gtest/gtest.h>

namespace orvik {
namespace {

struct ResultCase {
    double value;
    Radix radix;
    int bytes;
    const char* text;
};

TEST(FormatResultTest, EveryRadixAndByteLength)
{
    const ResultCase cases[] = {
        {1.0 / 3, Radix::Decimal, 4, "0.333333333333"},
        {0, Radix::Decimal, 4, "0.000000E+000"},
        {1e31, Radix::Decimal, 4, "1.000000E+031"},
        {-2.5, Radix::Decimal, 4, "-2.500000000000"},
        {1e-31, Radix::Decimal, 4, "1.000000E-031"},
        {-1e300, Radix::Decimal, 8, "-1.000000E+300"},
        {-1, Radix::Binary, 1, "0B11111111"},
        {5.9, Radix::Binary, 1, "0B101"},
        {0, Radix::Binary, 1, "0B0"},
        {256, Radix::Binary, 4, "0B100000000"},
        {-1, Radix::Binary, 4, "0B11111111111111111111111111111111"},
        {4294967296.0 * 3 + 1, Radix::Binary, 8, "0B1100000000000000000000000000000001"},
        {65537, Radix::Hexadecimal, 2, "0x1"},
        {255, Radix::Hexadecimal, 4, "0xFF"},
        {4294967296.0, Radix::Hexadecimal, 8, "0x100000000"},
        {4294967295.0, Radix::Hexadecimal, 8, "0xFFFFFFFF"},
        {-1, Radix::Hexadecimal, 8, "0xFFFFFFFF"},
        {4294967296.0, Radix::Octal, 8, "Oct40000000000"},
        {511, Radix::Octal, 1, "Oct377"},
        {8, Radix::Octal, 4, "Oct10"},
    };
    for (const ResultCase& c : cases) {
        EXPECT_EQ(FormatResult(c.value, c.radix, c.bytes), c.text)
            << c.value << " radix " << static_cast<int>(c.radix) << " bytes " << c.bytes;
    }
}

TEST(FormatResultTest, NonFiniteValuesNeverBreakIntegerRadixes)
{
    EXPECT_EQ(FormatResult(INFINITY, Radix::Decimal, 4), "INF");
    EXPECT_EQ(FormatResult(-INFINITY, Radix::Hexadecimal, 4), "-INF");
    EXPECT_EQ(FormatResult(1e300, Radix::Hexadecimal, 4), "0x0");
    EXPECT_EQ(FormatResult(NAN, Radix::Binary, 8), "NAN");
}

TEST(FormatTest, NonFiniteValuesReadTheSameInEveryForm)
{
    for (const auto& [v, text] : {std::pair{-NAN, "NAN"}, {INFINITY, "INF"}, {-INFINITY, "-INF"}}) {
        for (const std::string& shown : {FormatFixed(v, 2), FormatScientific(v), FormatDecimal(v, 1e10, 9)})
            EXPECT_EQ(shown, text) << v;  // -NAN: what 0/0 gives
    }
}

TEST(FormatDecimalTest, VariableListRule)
{
    EXPECT_EQ(FormatDecimal(1e12, 1e10, 9), "1.000000E+012");
    EXPECT_EQ(FormatDecimal(0.5, 1e10, 9), "0.500000000");
    EXPECT_EQ(FormatDecimal(0, 1e10, 9), "0.000000E+000");
    EXPECT_EQ(FormatDecimal(-3, 1e10, 9), "-3.000000000");
    EXPECT_EQ(FormatFixed(10.125, 20), "10.12500000000000000000");
    EXPECT_EQ(FormatFixed(2.345, 2), "2.35");
}

}  // namespace
}  // namespace orvik
