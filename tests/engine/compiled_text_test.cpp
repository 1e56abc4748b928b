// Statements compiled once and evaluated many times against the same
// statements compiled and evaluated each time: twin engines with the same
// table and the same scripted host must agree on every value (bit for bit),
// every entry of the table and every message and prompt, round after round,
// while the values, the angle mode and the table change in between, where
// the table is kept and where it is restored before each evaluation.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/corpus.h"
#include "engine/compiled_text.h"
#include "fake_host.h"
#include "statement_cases.h"
#include "twin_engines.h"

namespace orvik {
namespace {

using testing::FakeHost;
using testing::Start;
using testing::TwinEngines;

// Beyond the cases of single evaluations: what reads, changes or creates
// variables while compiling, and statements that go wrong.
constexpr const char* kReplayCases[] = {
    "x+++x++", "x++*x++", "y=x+++x--", "x+++x", "x*x++", "x--;x--;x", "b=1;a=(b=5)+b", "(a=1)+a",
    "(x=x+1)*x", "x+=2", "x*=1+1", "x-=x++", "x/=y++", "w=x;w+=1", "2*q", "q1+q2*q1", "new=new+1",
    "d=d++", "n++", "(1+2", "1+2)", "((x", "(x=y+1", "=5", "a=b=1", "x++=9", "sin", "1+else",
    "\xA6\xD0", "3\xA6\xD0", "\xA6\xD0=3;\xA6\xD0*2", "sin(30)+cos(x)", "ainv(inv(20))",
    "ainv(-0.1)", "ainv(100)", "ainv(x-10)+1", "a=1,2", "a=5,x", "(a=x,1)+2", "x=y,x", "a=_max(1)",
    "_max(1)", "1,2", "x,y", "[(x)", "_hls(x)", "if(x>y)", "x=x", "x=-x", "0x1F+x*0b11",
    "(a=y,1,7)+log(2)", "m=y*2;y=1", "r=(x^2+y^2)^0.5;r*2", "x1=sin(x)^2+cos(x)^2", "k=!(5)/_C(5,2)+_P(x,2)",
};

std::vector<std::string> AllCases()
{
    std::vector<std::string> texts(std::begin(kReplayCases), std::end(kReplayCases));
    const auto add = [&texts](const auto& cases) {
        for (const auto& c : cases)
            texts.emplace_back(c.text);
    };
    add(testing::kOperatorCases);
    add(testing::kNegationCases);
    add(testing::kSignRunCases);
    add(testing::kIncrementCases);
    add(testing::kNumberLiteralCases);
    add(testing::kDriverCases);
    add(testing::kMessageCases);
    add(testing::kScopeCases);
    for (const BenchStatement& statement : kCorpus)
        texts.emplace_back(statement.orvik);
    texts.emplace_back(std::string(2000, '1'));
    return texts;
}

TEST(CompiledTextTest, EvaluatingAgainEqualsCompilingAgainRoundAfterRound)
{
    using Creations = CompiledText::Creations;
    const std::vector<std::string> answers = {"4", "2.5abc", "-1", "7"};
    int evaluations = 0, replays = 0;
    for (const std::string& text : AllCases()) {
        for (const Start start : {Start::kEmpty, Start::kVariables, Start::kFull, Start::kScoped}) {
            for (const AngleMode mode : {AngleMode::Degrees, AngleMode::Radians}) {
                for (const Creations creations : {Creations::kKept, Creations::kRecreated}) {
                    TwinEngines twins(text, start, mode, creations, answers);
                    for (int round = 0; round < TwinEngines::kRounds; ++round) {
                        ASSERT_EQ(twins.Round(round), "")
                            << text << ": start " << static_cast<int>(start) << ", angle " << static_cast<int>(mode)
                            << ", table " << (creations == Creations::kKept ? "kept" : "restored") << ", round "
                            << round;
                        ++evaluations;
                        replays += twins.Replayed() > 0;
                    }
                }
            }
        }
    }
    // Most evaluations after the first ones went the new way.
    EXPECT_GT(replays, evaluations / 2);
}

TEST(CompiledTextTest, TheBenchmarkStatementsEvaluateWithoutCompilingFromTheThirdTime)
{
    FakeHost host;
    const auto engine = std::make_unique<Engine>(host);
    for (const BenchStatement& statement : kCorpus) {
        CompiledText text(*engine, statement.orvik);
        text.Evaluate();
        text.Evaluate();  // compiled again where the first time created variables
        for (int i = 0; i < 2; ++i) {
            text.Evaluate();
            EXPECT_GT(text.ReplayedCount(), 0) << statement.orvik;
        }
    }
}

}  // namespace
}  // namespace orvik
