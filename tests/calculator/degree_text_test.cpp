#include "calculator/core/degree_text.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace orvik {
namespace {

constexpr double kMinute = 0.016666666666666666;
constexpr double kSecond = 0.0002777777777777778;

TEST(DegreeTextTest, DecimalDegreesToDms)
{
    const std::pair<double, std::string> cases[] = {
        {10.125, "10\xA1\xE3" "7\xA1\xE4" "30\xA1\xE5" "00000000000000000000"},
        {30.25, "30°15′0″00000000000000000000"},
        {90, "90°0′0″00000000000000000000"},
        {0, "0°0′0″00000000000000000000"},
        {1.015625, "1°0′56″25000000000000000000"},
        {-30.5, "-30°30′0″00000000000000000000"},
        {-0.5, "-0°30′0″00000000000000000000"},
        {-0.0, "0°0′0″00000000000000000000"},
        // Degrees beyond 32 bits keep their value.
        {3e9, "3000000000°0′0″00000000000000000000"},
        {-4294967296.5, "-4294967296°30′0″00000000000000000000"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(DegreesToDmsText(value), text) << value;
}

TEST(DegreeTextTest, ValuesWithoutAnAngleStayReadable)
{
    EXPECT_EQ(DegreesToDmsText(INFINITY), "INF");
    EXPECT_EQ(DegreesToDmsText(-INFINITY), "-INF");
    EXPECT_EQ(DegreesToDmsText(NAN), "NAN");
}

TEST(DegreeTextTest, WrittenAnglesToDecimalDegrees)
{
    const double ten_7_30_5 = 10 + 7 * kMinute + 30 * kSecond + 0.5 * kSecond;
    const std::pair<std::string, double> cases[] = {
        {"10°7′30″5", ten_7_30_5},
        {"10°7′30″", 10 + 7 * kMinute + 30 * kSecond},
        {"10°7′", 10 + 7 * kMinute},
        {"10°30", 10.5},
        {"10°", 10},
        {"10'7'30'5", ten_7_30_5},
        {"10'7", 10 + 7 * kMinute},
        {"10'7'30'", 10 + 7 * kMinute + 30 * kSecond},
        {"10.073050", ten_7_30_5},
        {"10.0730", 10 + 7 * kMinute + 30 * kSecond},
        {"30.5", 30 + 5 * kMinute},
        {"30.", 30},
        {"45", 45},
        {"1e2", 100},
        {"", 0},
        {"abc", 0},
        {"°", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(DmsTextToDegrees(text), value) << text;
}

TEST(DegreeTextTest, SignBelongsToTheWholeAngle)
{
    const std::pair<std::string, double> cases[] = {
        {"-30°30′", -30.5},
        {"-0°30′", -0.5},
        {"-30'30", -30.5},
        {"-30.30", -30.5},
        {"-0.30", -0.5},
        {"-45", -45},
        {"  -10°7′30″5", -(10 + 7 * kMinute + 30 * kSecond + 0.5 * kSecond)},
        {"+30°30′", 30.5},
        {"-abc", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(DmsTextToDegrees(text), value) << text;
}

TEST(DegreeTextTest, LongTextsAreReadWhole)
{
    const std::string blanks(120, ' ');
    EXPECT_DOUBLE_EQ(DmsTextToDegrees(blanks + "10°30′"), 10.5);
    EXPECT_DOUBLE_EQ(DmsTextToDegrees(blanks + "-10.30"), -10.5);
    const std::string fives(150, '5');
    const double fraction = 5.0 / 9 * kSecond;
    EXPECT_DOUBLE_EQ(DmsTextToDegrees("10°7′30″" + fives), 10 + 7 * kMinute + 30 * kSecond + fraction);
    EXPECT_DOUBLE_EQ(DmsTextToDegrees("10.0730" + fives), 10 + 7 * kMinute + 30 * kSecond + fraction);
}

TEST(DegreeTextTest, BothDirectionsAgree)
{
    for (const double value : {10.125, 123.456789, -30.5, -0.5, -0.001, 359.999999, 0.0}) {
        EXPECT_NEAR(DmsTextToDegrees(DegreesToDmsText(value)), value, 1e-12) << value;
    }
    EXPECT_EQ(DecimalDegreesText(DmsTextToDegrees(DegreesToDmsText(10.125))), "10.12500000000000000000");
    EXPECT_EQ(DecimalDegreesText(DmsTextToDegrees("abc")), "0.00000000000000000000");
}

}  // namespace
}  // namespace orvik
