#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "fake_host.h"
#include "statement_cases.h"

namespace orvik {
namespace {

using testing::FakeHost;
using testing::MessageCase;
using testing::ValueCase;
using testing::kDriverCases;
using testing::kIncrementCases;
using testing::kMessageCases;
using testing::kNegationCases;
using testing::kNumberLiteralCases;
using testing::kOperatorCases;
using testing::kScopeCases;
using testing::kSignRunCases;

class EngineTest : public ::testing::Test {
protected:
    template <size_t N>
    void ExpectCases(const ValueCase (&cases)[N])
    {
        for (const ValueCase& c : cases)
            EXPECT_DOUBLE_EQ(Eval(c.text), c.expected) << c.text;
    }

    double Eval(std::string text) { return engine_->EvaluateText(text); }
    double Value(std::string_view name)
    {
        const int index = engine_->Variables().FindVariable(name);
        EXPECT_GE(index, 0) << name;
        return index >= 0 ? engine_->Variables()[index].value : NAN;
    }

    FakeHost host_;
    std::unique_ptr<Engine> engine_ = std::make_unique<Engine>(host_);
};

TEST_F(EngineTest, OperatorsAndPriorities)
{
    ExpectCases(kOperatorCases);
    EXPECT_TRUE(host_.messages.empty()) << host_.messages.front();
}

TEST_F(EngineTest, MinusAfterAnotherOperatorNegatesTheOperand)
{
    ExpectCases(kNegationCases);
    EXPECT_EQ(Eval("x=-5"), -5);
    EXPECT_EQ(Value("x"), -5);
    EXPECT_EQ(Eval("y=-2^2"), -4);
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(EngineTest, RunsOfSignsAreABinaryOperatorThenNegations)
{
    Eval("x=5;y=2");
    ExpectCases(kSignRunCases);
    EXPECT_TRUE(host_.messages.empty()) << host_.messages.front();
    // A doubled sign right after a variable stays its post-increment, once.
    ExpectCases(kIncrementCases);
    EXPECT_EQ(Eval("x++=9"), 0);  // x's old value is no place to assign to
    EXPECT_EQ(host_.messages, std::vector<std::string>{"计算式[x++=9]中只能在开头给一个变量赋值"});
}

TEST_F(EngineTest, NumberLiterals)
{
    ExpectCases(kNumberLiteralCases);
    engine_->SetAngleMode(AngleMode::Radians);
    EXPECT_DOUBLE_EQ(Eval("30\xA1\xE3" "30\xA1\xE4"), 30.5);
}

TEST_F(EngineTest, AngleModes)
{
    EXPECT_EQ(Eval("sin(30)"), 0.4999999999999144);
    EXPECT_DOUBLE_EQ(Eval("dtor(180)"), 3.1415926535892);
    EXPECT_DOUBLE_EQ(Eval("sin(90)"), 1);
    EXPECT_DOUBLE_EQ(Eval("asin(1)"), 90);
    EXPECT_DOUBLE_EQ(Eval("atan(1)"), 45);
    EXPECT_NEAR(Eval("inv(20)"), 0.01490438386732773, 1e-15);
    EXPECT_NEAR(Eval("ainv(inv(20))"), 20, 1e-9);
    engine_->SetAngleMode(AngleMode::Radians);
    EXPECT_EQ(Eval("asin(1)"), 1.5707963267948966);
    EXPECT_DOUBLE_EQ(Eval("sin(3.14159265358979/2)"), 1);
    EXPECT_NEAR(Eval("ainv(0.0149)"), 0.3490328, 1e-7);
    EXPECT_NEAR(Eval("ainv(1)"), 1.1322677, 1e-7);
    EXPECT_NEAR(Eval("ainv(0)"), 0, 3e-8);
    EXPECT_DOUBLE_EQ(Eval("dtor(180)"), 3.1415926535892);
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(EngineTest, IeeeResultsAreNotErrors)
{
    EXPECT_EQ(Eval("1/0"), INFINITY);
    EXPECT_TRUE(std::isnan(Eval("sqrt(-1)")));
    EXPECT_EQ(Eval("!(170)") > 7e306, true);
    EXPECT_EQ(Eval("!(171)"), INFINITY);
    EXPECT_EQ(Eval("!(2000000000)"), INFINITY);  // no endless loop either
    EXPECT_TRUE(std::isnan(Eval("5%0")));
    EXPECT_TRUE(std::isnan(Eval("5%0.9")));
    EXPECT_EQ(Eval("int(-2147483648)%-1"), 0);
    EXPECT_EQ(Eval("_P(2000000000,2000000000)"), INFINITY);
    EXPECT_NEAR(Eval("_C(200,100)"), 9.054851465610328e58, 1e45);
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(EngineTest, StatementDriver)
{
    ExpectCases(kDriverCases);
    EXPECT_TRUE(host_.messages.empty());
    Eval("a=2;b=a*3;b+1");
    EXPECT_EQ(Value("a"), 2);
    EXPECT_EQ(Value("b"), 6);
}

TEST_F(EngineTest, StripBlanksCutsAtCommentAndStripsOnceForAll)
{
    const std::pair<std::string, std::string> cases[] = {
        {" a = 1 ;\tb=2 // rest\nc=3", "a=1;b=2"},
        {"x = / /1", "x="},
        {"[end]/ /", "[end]"},
        {"8/2/2", "8/2/2"},
    };
    for (const auto& [raw, stripped] : cases) {
        std::string text = raw;
        StripBlanks(text);
        EXPECT_EQ(text, stripped) << raw;
        StripBlanks(text);
        EXPECT_EQ(text, stripped) << raw;
    }
}

TEST_F(EngineTest, AssignmentsAndCompoundAssignments)
{
    EXPECT_EQ(Eval("a=3"), 3);
    EXPECT_EQ(Value("a"), 3);
    EXPECT_EQ(Eval("x=5;x+=2"), 7);
    EXPECT_EQ(Value("x"), 7);
    EXPECT_EQ(Eval("x=3;x*=1+1"), 6);
    EXPECT_EQ(Eval("x-=1"), 5);
    EXPECT_EQ(Eval("x/=2"), 2.5);
    EXPECT_EQ(Eval("x=5;x++"), 5);
    EXPECT_EQ(Value("x"), 6);
    EXPECT_EQ(Eval("x--"), 6);
    EXPECT_EQ(Value("x"), 5);
    EXPECT_EQ(Eval("x++*2"), 10);
    EXPECT_EQ(Value("x"), 6);
    EXPECT_EQ(Eval("x=4;2x"), 8);
    EXPECT_EQ(Eval("10x"), 40);
    EXPECT_EQ(Eval("x>sin(30)"), 1);
    EXPECT_DOUBLE_EQ(Eval("3\xA6\xD0"), 9.42477796076938);
    EXPECT_TRUE(host_.messages.empty());
    EXPECT_TRUE(host_.prompts.empty());
}

TEST_F(EngineTest, VariableTable)
{
    Eval("a=1;b=2;a=5");
    ASSERT_EQ(engine_->Variables().Count(), 2);
    EXPECT_EQ(engine_->Variables()[0].Name(), "a");
    EXPECT_EQ(engine_->Variables()[0].value, 5);
    EXPECT_EQ(engine_->Variables()[0].origin, '0');
    EXPECT_EQ(engine_->Variables()[1].value, 2);
    Eval("A=7");
    EXPECT_EQ(Value("A"), 7);
    EXPECT_EQ(Value("a"), 5);
    EXPECT_EQ(Eval("\xA6\xD0"), 3.141592653589793);
    const int pi = engine_->Variables().FindVariable("\xA6\xD0");
    EXPECT_EQ(engine_->Variables()[pi].origin, 1);
    Eval("\xA6\xD0=3");
    EXPECT_EQ(engine_->Variables()[pi].value, 3);
    engine_->Variables().Clear();
    Eval("z=7");
    EXPECT_EQ(engine_->Variables().FindVariable("z"), 0);
    EXPECT_TRUE(host_.prompts.empty());
}

TEST_F(EngineTest, UnknownNameIsAskedOnce)
{
    host_.answers = {std::string("4")};
    EXPECT_EQ(Eval("2*y"), 8);
    ASSERT_EQ(host_.prompts.size(), 1u);
    EXPECT_EQ(host_.prompts[0], "y");
    EXPECT_EQ(host_.initial_entries[0], "0");
    EXPECT_EQ(Value("y"), 4);
    EXPECT_EQ(engine_->Variables()[0].origin, '1');
    EXPECT_EQ(Eval("2*y"), 8);
    EXPECT_EQ(host_.prompts.size(), 1u);

    host_.answers = {std::nullopt, std::string("2.5abc"), std::string("abc")};
    EXPECT_EQ(Eval("w+1"), 1);  // cancelled: w stays 0 and is listed
    EXPECT_EQ(Value("w"), 0);
    EXPECT_EQ(Eval("v"), 2.5);
    EXPECT_EQ(Eval("u"), 0);
    EXPECT_EQ(Eval("\xBD\xC7=30;\xBD\xC7*2"), 60);  // Chinese names work
    EXPECT_EQ(Eval("1e5"), 0);  // 1 times the unknown e5, answered by Cancel
    EXPECT_EQ(host_.prompts.back(), "e5");
}

TEST_F(EngineTest, MalformedStatementsShowOneMessageAndYieldZero)
{
    for (const MessageCase& c : kMessageCases) {
        host_.messages.clear();
        EXPECT_DOUBLE_EQ(Eval(c.text), c.expected) << c.text;
        ASSERT_EQ(host_.messages.size(), 1u) << c.text;
        EXPECT_EQ(host_.messages[0], c.message) << c.text;
    }
    EXPECT_TRUE(host_.prompts.empty());
    EXPECT_EQ(engine_->Variables().FindVariable("b"), -1);
    EXPECT_EQ(engine_->Variables().FindVariable("x"), -1);
}

TEST_F(EngineTest, MessagesQuoteTheStatementAsWrittenAndCutLongOnesShort)
{
    const std::string ones(40, '1');
    const std::string open39 = std::string(1, '(').append(38, '1');
    const std::pair<std::string, std::string> cases[] = {
        {"(-1+2", "计算式[(-1+2]中少了1个')'号"},
        {"sin()+(1", "计算式[sin()+(1]中少了1个')'号"},
        {"z+=(1", "计算式[z+=(1]中少了1个')'号"},
        {"_max(1)+" + ones, "计算式[_max(1)+" + ones.substr(8) + "...]中缺少运算数"},
        {std::string(300, '2'), "计算式[" + std::string(40, '2') + "...]中有超过299个字节的数或变量名"},
        // Never half a Chinese character: the one at bytes 40 and 41 is left out.
        {open39 + "\xBD\xC7", "计算式[" + open39 + "...]中少了1个')'号"},
    };
    for (const auto& [text, message] : cases) {
        host_.messages.clear();
        Eval(text);
        ASSERT_EQ(host_.messages.size(), 1u) << text;
        EXPECT_EQ(host_.messages[0], message);
    }
}

TEST_F(EngineTest, TrailingPlusIsIgnoredAndCommaYieldsTheLastValue)
{
    EXPECT_EQ(Eval("5+"), 5);
    EXPECT_EQ(Eval("1,2"), 2);
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(EngineTest, InverseInvoluteErrors)
{
    EXPECT_EQ(Eval("ainv(-0.1)"), 0);
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0],
              "用于求渐开线反函数的值小于0，\n可能是给定参数不合理造成的或公式有不完善的地方");
    EXPECT_EQ(Eval("ainv(100)"), 0);
    ASSERT_EQ(host_.messages.size(), 2u);
    EXPECT_EQ(host_.messages[1], "渐开线反函数求解错误");
    EXPECT_EQ(Eval("ainv(1/0)"), 0);
    EXPECT_EQ(Eval("ainv(sqrt(-1))"), 0);
    EXPECT_EQ(host_.messages.size(), 4u);
}

TEST_F(EngineTest, LimitsAreRefusedNotOverrun)
{
    EXPECT_EQ(Eval(std::string(2000, '1')), 0);
    EXPECT_EQ(host_.messages.back(),
              "计算式[" + std::string(40, '1') + "...]太长,一个计算式不能超过1999个字节");
    // Statements of the full 1999 bytes still take the scanner's rewrites.
    const std::string operand(299, '1');
    std::string longest = std::string("-").append(operand);
    for (int i = 0; i < 5; ++i)
        longest.append("+").append(operand);
    longest.append("+").append(198, '1');
    ASSERT_EQ(longest.size(), 1999u);
    EXPECT_DOUBLE_EQ(Eval(longest), 4 * std::stod(operand) + std::stod(longest.substr(1801)));
    std::string compound = "x+=0";
    while (compound.size() < 1980)
        compound.append("+").append(20, '0');
    compound.resize(1999, '0');
    Eval("x=1");
    EXPECT_EQ(Eval(compound), 1);

    EXPECT_EQ(host_.messages.size(), 1u);
    host_.messages.clear();
    EXPECT_EQ(Eval(std::string(300, '2')), 0);
    EXPECT_NE(host_.messages.at(0).find("299"), std::string::npos);

    std::string many = "1";
    for (int i = 0; i < 200; ++i)
        many += "+1";
    host_.messages.clear();
    EXPECT_EQ(Eval(many), 0);
    EXPECT_NE(host_.messages.at(0).find("300"), std::string::npos);

    std::string nested;
    for (int i = 0; i < 350; ++i)
        nested += "abs(";
    nested.append("1").append(350, ')');
    host_.messages.clear();
    EXPECT_EQ(Eval(nested), 0);
    EXPECT_NE(host_.messages.at(0).find("300"), std::string::npos);

    host_.messages.clear();
    EXPECT_EQ(Eval(std::string(30, 'n').append("=1")), 0);
    EXPECT_NE(host_.messages.at(0).find("29"), std::string::npos);
    EXPECT_EQ(Eval(std::string(29, 'n').append("=1")), 1);
}

TEST_F(EngineTest, AssignmentToAVanishedVariableWritesNothing)
{
    ASSERT_TRUE(engine_->LoadStatement("a=5"));
    ASSERT_EQ(engine_->CompileStatement(), 1);
    engine_->Variables().Clear();
    EXPECT_EQ(engine_->EvaluateProgram(), 5);
    EXPECT_EQ(engine_->Variables().Count(), 0);
}

TEST_F(EngineTest, FourHundredVariablesAtMost)
{
    for (int i = 0; i < 399; ++i)
        Eval(std::string("v").append(std::to_string(i)).append("=1"));
    EXPECT_TRUE(host_.messages.empty());
    EXPECT_EQ(Eval("last=1"), 1);  // the 400th: created, with the warning
    EXPECT_EQ(engine_->Variables().Count(), 400);
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0], "使用的变量数超过400,程序将不能正确进行");
    for (const char* refused : {"more=1", "\xA6\xD0", "unknown+1"}) {
        host_.messages.clear();
        EXPECT_EQ(Eval(refused), 0) << refused;
        EXPECT_EQ(host_.messages.size(), 1u);
        EXPECT_EQ(engine_->Variables().Count(), 400);
    }
    EXPECT_TRUE(host_.prompts.empty());
    EXPECT_EQ(Eval("v5*2"), 2);  // existing variables still work
}

// Names are looked up in the scope first and then before it; what is
// assigned, also by ++, is the scope's own.
TEST_F(EngineTest, TheScopeShadowsTheEntriesBeforeIt)
{
    VariableTable& table = engine_->Variables();
    Eval("m=99;n=5;k=1");
    table.SetScope(table.Count());
    table.Append("m", 2, origin::kInput);
    ExpectCases(kScopeCases);
    EXPECT_EQ(table[1].value, 5);
    EXPECT_EQ(table.Count(), 6);
    table.SetScope(0);
    EXPECT_EQ(Value("m"), 99);  // without a scope the first entry of a name
}

}  // namespace
}  // namespace orvik
