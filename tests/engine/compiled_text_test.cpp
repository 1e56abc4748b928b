// Statements compiled once and evaluated many times against the same
// statements compiled and evaluated each time: twin engines with the same
// table and the same scripted host must agree on every value (bit for bit),
// every entry of the table and every message and prompt, round after round,
// while the values, the angle mode and the table change in between.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/corpus.h"
#include "engine/compiled_text.h"
#include "fake_host.h"
#include "statement_cases.h"

namespace orvik {
namespace {

using testing::FakeHost;

// Beyond the cases of single evaluations: what reads, changes or creates
// variables while compiling, and statements that go wrong.
constexpr const char* kReplayCases[] = {
    "x+++x++", "x++*x++", "y=x+++x--", "x+++x", "x*x++", "x--;x--;x", "b=1;a=(b=5)+b", "(a=1)+a",
    "(x=x+1)*x", "x+=2", "x*=1+1", "x-=x++", "x/=y++", "w=x;w+=1", "2*q", "q1+q2*q1", "new=new+1",
    "d=d++", "n++", "(1+2", "1+2)", "((x", "(x=y+1", "=5", "a=b=1", "x++=9", "sin", "1+else",
    "\xA6\xD0", "3\xA6\xD0", "\xA6\xD0=3;\xA6\xD0*2", "sin(30)+cos(x)", "ainv(inv(20))",
    "ainv(-0.1)", "ainv(100)", "ainv(x-10)+1", "a=1,2", "a=5,x", "(a=x,1)+2", "x=y,x", "a=_max(1)",
    "_max(1)", "1,2", "x,y", "[(x)", "_hls(x)", "if(x>y)", "x=x", "x=-x", "0x1F+x*0b11",
    "(a=y,1,7)+log(2)", "r=(x^2+y^2)^0.5;r*2", "x1=sin(x)^2+cos(x)^2", "k=!(5)/_C(5,2)+_P(x,2)",
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
    for (const BenchStatement& statement : kCorpus)
        texts.emplace_back(statement.orvik);
    texts.emplace_back(std::string(2000, '1'));
    return texts;
}

// The table before the first evaluation.
enum class Start { kEmpty, kVariables, kFull };

void Prepare(Engine& engine, Start start)
{
    if (start == Start::kEmpty)
        return;
    std::string text = "x=5;y=2;r=3;w=1;a=0";
    engine.EvaluateText(text);
    for (int i = 0; start == Start::kFull && !engine.Variables().Full(); ++i) {
        text = std::string("v").append(std::to_string(i)).append("=1");
        engine.EvaluateText(text);
    }
}

struct Side {
    explicit Side(Start start)
    {
        Prepare(*engine, start);
        host.messages.clear();
        host.answers = {"4", std::nullopt, "2.5abc", "-1", std::nullopt, "7"};
    }
    FakeHost host;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>(host);
};

uint64_t Bits(double v) { return std::bit_cast<uint64_t>(v); }

void ExpectSameTables(const VariableTable& a, const VariableTable& b, const std::string& context)
{
    ASSERT_EQ(a.Count(), b.Count()) << context;
    for (int i = 0; i < a.Count(); ++i) {
        EXPECT_EQ(a[i].Name(), b[i].Name()) << context << " entry " << i;
        EXPECT_EQ(Bits(a[i].value), Bits(b[i].value)) << context << " entry " << i;
        EXPECT_EQ(a[i].origin, b[i].origin) << context << " entry " << i;
        EXPECT_EQ(a[i].reserved, b[i].reserved) << context << " entry " << i;
    }
}

void ExpectSameSides(const Side& expected, const Side& actual, const std::string& context)
{
    ExpectSameTables(expected.engine->Variables(), actual.engine->Variables(), context);
    EXPECT_EQ(expected.host.messages, actual.host.messages) << context;
    EXPECT_EQ(expected.host.prompts, actual.host.prompts) << context;
}

// What happens to both tables before a round.
void Change(Engine& engine, int round)
{
    VariableTable& table = engine.Variables();
    switch (round) {
    case 2:  // other values: the compiled statements must read them anew
        for (int i = 0; i < table.Count(); ++i)
            table[i].value = table[i].value * 1.5 + 0.25;
        break;
    case 4:
        engine.SetAngleMode(engine.CurrentAngleMode() == AngleMode::Degrees ? AngleMode::Radians
                                                                            : AngleMode::Degrees);
        break;
    case 5:  // entries gone: compiled again
        table.CutBack(table.Count() - 2);
        break;
    default:
        break;
    }
}

constexpr int kRounds = 7;

TEST(CompiledTextTest, EvaluatingAgainEqualsCompilingAgainRoundAfterRound)
{
    int evaluations = 0, replays = 0;
    for (const std::string& text : AllCases()) {
        for (const Start start : {Start::kEmpty, Start::kVariables, Start::kFull}) {
            for (const AngleMode mode : {AngleMode::Degrees, AngleMode::Radians}) {
                Side plain(start), compiled(start);
                plain.engine->SetAngleMode(mode);
                compiled.engine->SetAngleMode(mode);
                CompiledText compiled_text(*compiled.engine, text);
                for (int round = 0; round < kRounds; ++round) {
                    Change(*plain.engine, round);
                    Change(*compiled.engine, round);
                    std::string copy = text;
                    const double expected = plain.engine->EvaluateText(copy);
                    const double actual = compiled_text.Evaluate();
                    ++evaluations;
                    replays += compiled_text.ReplayedCount() > 0;
                    const std::string context = text + " (start " + std::to_string(static_cast<int>(start))
                                                + ", round " + std::to_string(round) + ")";
                    EXPECT_EQ(Bits(expected), Bits(actual)) << context << ": " << expected << " " << actual;
                    ExpectSameSides(plain, compiled, context);
                    if (::testing::Test::HasFailure())
                        return;
                }
            }
        }
    }
    // Most evaluations after the first ones went the new way.
    EXPECT_GT(replays, evaluations / 2);
}

// Each name gets its own answer, whenever it is asked: the sweeps ask each
// name once and give that answer at every point.
class AnswerByName : public FakeHost {
public:
    bool PromptValue(std::string_view prompt, std::string& entry) override
    {
        if (std::find(prompts.begin(), prompts.end(), prompt) == prompts.end())
            prompts.emplace_back(prompt);
        if (prompt.size() % 3 == 0)
            return false;
        entry = std::to_string(prompt.size()) + ".5";
        return true;
    }
};

// The variables that were there before evaluating get back their values,
// and what the statements created is created again: on one engine by
// cutting the table back, on the other by the compiled statements.
TEST(CompiledTextTest, RecreatedVariablesEvaluateAsIfTheTableWereCutBackEachTime)
{
    for (const std::string& text : AllCases()) {
        for (const Start start : {Start::kEmpty, Start::kVariables, Start::kFull}) {
            AnswerByName plain_host, compiled_host;
            const auto plain_engine = std::make_unique<Engine>(plain_host);
            const auto compiled_engine = std::make_unique<Engine>(compiled_host);
            Engine& plain = *plain_engine;
            Engine& compiled = *compiled_engine;
            Prepare(plain, start);
            Prepare(compiled, start);
            const VariableTable before = plain.Variables();
            CompiledText compiled_text(compiled, text, CompiledText::Creations::kRecreated);
            for (int round = 0; round < kRounds; ++round) {
                for (Engine* engine : {&plain, &compiled}) {
                    for (int i = 0; i < before.Count(); ++i)
                        engine->Variables()[i].value = before[i].value;
                    if (round == 3)
                        engine->SetAngleMode(AngleMode::Radians);
                }
                plain.Variables().CutBack(before.Count());
                std::string copy = text;
                const double expected = plain.EvaluateText(copy);
                const double actual = compiled_text.Evaluate();
                const std::string context = text + " (start " + std::to_string(static_cast<int>(start))
                                            + ", round " + std::to_string(round) + ")";
                EXPECT_EQ(Bits(expected), Bits(actual)) << context << ": " << expected << " " << actual;
                ExpectSameTables(plain.Variables(), compiled.Variables(), context);
                EXPECT_EQ(plain_host.messages, compiled_host.messages) << context;
                EXPECT_EQ(plain_host.prompts, compiled_host.prompts) << context;
                if (::testing::Test::HasFailure())
                    return;
                if (round > 0 && !copy.empty()) {
                    EXPECT_GT(compiled_text.ReplayedCount(), 0) << context;
                }
            }
        }
    }
}

TEST(CompiledTextTest, TheBenchmarkStatementsEvaluateWithoutCompilingFromTheThirdTime)
{
    Side side(Start::kVariables);
    for (const BenchStatement& statement : kCorpus) {
        CompiledText text(*side.engine, statement.orvik);
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
