#include "engine/number_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "engine/operator_table.h"

namespace orvik {
namespace {

TEST(OperatorTableTest, FindOperatorIsExactAndCaseSensitive)
{
    EXPECT_EQ(FindOperator("sin"), 14);
    EXPECT_EQ(FindOperator("Sin"), -1);
    EXPECT_EQ(FindOperator("neg"), 47);
    EXPECT_EQ(FindOperator(""), -1);
    EXPECT_EQ(FindOperator("=!"), 37);
    EXPECT_EQ(FindOperator("si"), -1);
    for (int code = 0; code < kOperatorCount; ++code)
        EXPECT_EQ(FindOperator(kOperators[code].name), code) << kOperators[code].name;
}

// The calculator's summary and list, as its users have always read them.
TEST(OperatorTableTest, TheSummaryAndTheListOfFunctionsComeFromTheTable)
{
    EXPECT_EQ(FunctionSummaryText(),
              "pow(x,y):x的y次方，\t!(x):阶乘\nsinh(x):双曲正弦，\t cosh(x):双曲余弦\ntanh(x):双曲正切，\tsqrt(x):开平方\n"
              "dtor(x):角度到弧度，\trtod(x):弧度到角度\n_min(x,y):求得小值，\t_max(x,y):求大值\nx%y:x/y所得的余数\n"
              "_P(x,y):求排列数 ，\t_C(x,y):求组合数\nor(x,y):按位或，\tand(x,y)按位与\n"
              "xor(x,y):按位异或，\tneg(x):按位取反\n十六进制数在前面加'0X'，如'0x2f'\n二进制数在前面加'0B'，如'0B010011'");
    std::vector<std::string_view> items = FunctionListItems();
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, (std::vector<std::string_view>{" !()", "_C()", "_P()", "_max()", "_min()", "and()", "cosh()",
                                                    "dtor()", "neg()", "or()", "pow()", "rtod()", "sinh()", "sqrt()",
                                                    "tanh()", "x%y", "xor()"}));
}

TEST(NumberTextTest, Trunc32TakesTheLow32Bits)
{
    const struct {
        double value;
        int32_t expected;
    } cases[] = {
        {-2.7, -2}, {2.7, 2}, {4294967301.0, 5}, {3000000000.0, -1294967296},
        {-4294967297.0, -1}, {1e300, 0}, {INFINITY, 0}, {NAN, 0}, {9.3e18, -81657856},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trunc32(c.value), c.expected) << c.value;
}

TEST(NumberTextTest, DecimalPrefixIgnoresTheLocaleAndStopsAtJunk)
{
    const struct {
        const char* text;
        double expected;
        size_t consumed;
    } cases[] = {
        {"42", 42, 2}, {"  -1.5e2xyz", -150, 8}, {"+.5", 0.5, 3}, {"3e", 3, 1}, {"abc", 0, 0},
        {"", 0, 0}, {"-", 0, 0}, {"1e400", HUGE_VAL, 5}, {"1e-400", 0, 6}, {"0x10", 0, 1},
    };
    for (const auto& c : cases) {
        size_t consumed = 99;
        EXPECT_DOUBLE_EQ(ParseDecimalPrefix(c.text, &consumed), c.expected) << c.text;
        EXPECT_EQ(consumed, c.consumed) << c.text;
    }
}

TEST(NumberTextTest, AngleTexts)
{
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"30\xA1\xE3" "30\xA1\xE4", 30.5},
        {"30\xA1\xE3" "30", 30.5},
        {"10'30'36", 10.51},
        {"10'30", 10.5},
        {"10'7'30'5", 10 + 7 / 60.0 + 30.5 / 3600},
        {"1\xA1\xE3" "0\xA1\xE4" "0\xA1\xE5" "5", 1.000138888888889},
        {"1\xA1\xE3" "0\xA1\xE4" "36", 1.01},
        {"\xA1\xE3", 0},
        {"12.25", 12.25},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ParseAngleText(c.text), c.expected, 1e-12) << c.text;
}

}  // namespace
}  // namespace orvik
