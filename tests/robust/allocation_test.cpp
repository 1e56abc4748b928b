// Once its variables exist, an evaluation allocates nothing: the engine
// works in fixed-size members, and a caller that keeps its text buffer pays
// nothing per evaluation either. Nor does evaluating a compiled statement
// again.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "allocation_counter.h"
#include "corpus.h"
#include "engine/compiled_text.h"
#include "engine/engine.h"
#include "fake_host.h"

namespace orvik {
namespace {

// Beyond the benchmark's statements: every notation and statement form.
constexpr const char* kMoreStatements[] = {
    "x++;x--;x-=1;x*=2;x/=2", "if(x>1)", "a=1\nb=2\na+b", "1+1//comment", "0o17+0b11+0XfF",
    "10'30'36", "-3^2*-1", "1;;2;", "_P(5,2)+_C(5,2)+!(5)+sinh(1)+cosh(1)+tanh(1)",
    "xor(5,3)+or(1,2)+neg(0)+int(-2.5)+log(2,8)+pow(2,3)+dtor(1)+rtod(1)",
    "asin(0.5)+acos(0.5)+ln(2)+lg(2)+sqrt(2)+exp(1)+abs(-1)+(1>=1)+(1<=1)+(1==1)",
    "5%3+(1||0)+(1|0)+(1&1)+x<y", "\xA6\xD0*2",
};

TEST(AllocationTest, EvaluationAllocatesNothing)
{
    testing::FakeHost host;
    for (int i = 0; i < 20; ++i)
        host.answers.emplace_back("3");
    const auto engine = std::make_unique<Engine>(host);
    std::string work;
    work.reserve(4096);
    const auto evaluate_all = [&] {
        for (const BenchStatement& statement : kCorpus)
            engine->EvaluateText(work.assign(statement.orvik));
        for (const char* statement : kMoreStatements)
            engine->EvaluateText(work.assign(statement));
    };
    evaluate_all();  // creates the variables, asking for their values once
    ASSERT_TRUE(host.messages.empty()) << host.messages.front();

    const std::size_t before = AllocationCount();
    for (int round = 0; round < 10; ++round)
        evaluate_all();
    EXPECT_EQ(AllocationCount() - before, 0u);
    EXPECT_TRUE(host.messages.empty());
}

TEST(AllocationTest, EvaluatingACompiledStatementAgainAllocatesNothing)
{
    testing::FakeHost host;
    for (int i = 0; i < 20; ++i)
        host.answers.emplace_back("3");
    const auto engine = std::make_unique<Engine>(host);
    std::vector<CompiledText> texts;
    for (const BenchStatement& statement : kCorpus)
        texts.emplace_back(*engine, statement.orvik);
    for (const char* statement : kMoreStatements)
        texts.emplace_back(*engine, statement);
    const auto evaluate_all = [&] {
        for (CompiledText& text : texts)
            text.Evaluate();
    };
    evaluate_all();  // compiles, creating the variables
    evaluate_all();  // compiles what created variables, now finding them

    const std::size_t before = AllocationCount();
    for (int round = 0; round < 10; ++round)
        evaluate_all();
    EXPECT_EQ(AllocationCount() - before, 0u);
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace orvik
