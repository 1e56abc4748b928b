// Parameter sweeps without widgets: the points of a range, the statements
// computed per point on a copy of the table, and the texts of the table.
#include <cmath>
#include <cstring>
#include <fstream>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "library/core/compiled_formula.h"
#include "library/core/formula_sheet.h"
#include "library/core/formula_sweep.h"
#include "library/core/sweep_points.h"
#include "library/core/sweep_text.h"
#include "temporary_directory_test.h"
#include "tests/engine/fake_host.h"

namespace orvik {
namespace {

constexpr SweepSpacing kLinear = SweepSpacing::Linear;
constexpr SweepSpacing kLog = SweepSpacing::Logarithmic;

SweepRange Stepped(double from, double to, double step, SweepSpacing spacing = kLinear)
{
    return {.from = from, .to = to, .step = step, .spacing = spacing};
}

SweepRange Counted(double from, double to, int count, SweepSpacing spacing = kLinear)
{
    return {.from = from, .to = to, .by_count = true, .count = count, .spacing = spacing};
}

TEST(SweepPointsTest, StepsCountsAndLogarithmsEndOnTheEndWhenTheyReachIt)
{
    const struct {
        SweepRange range;
        std::vector<double> points;
    } cases[] = {
        {Stepped(1, 3, 0.5), {1, 1.5, 2, 2.5, 3}},
        {Stepped(0, 0.3, 0.1), {0, 0.1, 0.2, 0.3}},      // three tenths add up to a little more than 0.3
        {Stepped(1, 2, 0.3), {1, 1.3, 1.6, 1.9}},        // does not divide: stops short
        {Stepped(5, 1, -2), {5, 3, 1}},                  // reversed
        {Counted(0, 1, 5), {0, 0.25, 0.5, 0.75, 1}},
        {Counted(2, -2, 3), {2, 0, -2}},
        {Stepped(1, 1000, 10, kLog), {1, 10, 100, 1000}},
        {Stepped(1000, 1, 0.1, kLog), {1000, 100, 10, 1}},
        {Stepped(2, 50, 3, kLog), {2, 6, 18}},
        {Counted(1, 1000, 4, kLog), {1, 10, 100, 1000}},
        {Counted(0.5, 8, 5, kLog), {0.5, 1, 2, 4, 8}},
    };
    for (const auto& c : cases) {
        const SweepPoints points = MakeSweepPoints(c.range);
        EXPECT_EQ(points.message, "") << c.range.from << ".." << c.range.to;
        ASSERT_EQ(points.values.size(), c.points.size()) << c.range.from << ".." << c.range.to;
        for (size_t i = 0; i < c.points.size(); ++i)
            EXPECT_NEAR(points.values[i], c.points[i], 1e-12 * std::abs(c.points[i])) << i;
        EXPECT_EQ(points.values.front(), c.range.from);
        if (std::abs(c.points.back() - c.range.to) < 1e-12) {
            EXPECT_EQ(points.values.back(), c.range.to);  // exactly, not within rounding
        }
    }
    EXPECT_EQ(MakeSweepPoints(Stepped(0, 9999, 1)).values.size(), 10000u);
    EXPECT_EQ(MakeSweepPoints(Counted(-1, 1, 10000)).values.size(), 10000u);
}

// A ratio's powers overflow or vanish long before the range ends; every
// point stays finite, inside the range and a ratio from its neighbour.
TEST(SweepPointsTest, LogarithmicStepsOverWideRangesStayInside)
{
    for (const SweepRange& range : {Stepped(1e-300, 1e300, 1e10, kLog), Stepped(1e300, 1e-300, 1e-10, kLog)}) {
        const std::vector<double> values = MakeSweepPoints(range).values;
        ASSERT_EQ(values.size(), 61u) << range.from;
        EXPECT_EQ(values.front(), range.from);
        EXPECT_EQ(values.back(), range.to);
        for (size_t i = 1; i < values.size(); ++i)
            EXPECT_NEAR(values[i] / values[i - 1], range.step, 1e-12 * range.step) << i;
    }
    const std::vector<double> short_of_end = MakeSweepPoints(Stepped(1e-300, 1e300, 1e7, kLog)).values;
    ASSERT_EQ(short_of_end.size(), 86u);
    EXPECT_NEAR(short_of_end.back(), 1e295, 1e283);
}

TEST(SweepPointsTest, EntriesThatMakeNoSweepAreRefusedWithTheirReason)
{
    const struct {
        SweepRangeTexts texts;
        const char* message;
    } cases[] = {
        {{"1", "2", "0.1"}, ""},
        {{" 1 ", "2e1", "1"}, ""},
        {{"x", "2", "0.1"}, "起始值不是一个数"},
        {{"1", "", "0.1"}, "终止值不是一个数"},
        {{"1", "1e999", "0.1"}, "终止值不是一个数"},
        {{"1", "2", "0.1mm"}, "步长不是一个数"},
        {{"1", "2", "", false, kLog}, "倍率不是一个数"},
        {{"1", "2", "0"}, "步长不能为0"},
        {{"1", "2", "-0.1"}, "步长的正负与扫描方向不符"},
        {{"2", "1", "0.1"}, "步长的正负与扫描方向不符"},
        {{"1", "2", "5"}, "步长超出了扫描范围"},
        {{"0", "1", "0.00001"}, "扫描点数不能超过10000"},
        {{"0", "1e300", "1e-300"}, "扫描点数不能超过10000"},
        {{"3", "3", "1"}, "起始值和终止值不能相同"},
        {{"0", "10", "2", false, kLog}, "对数刻度的起始值和终止值必须大于0"},
        {{"1", "-10", "2", false, kLog}, "对数刻度的起始值和终止值必须大于0"},
        {{"1", "10", "1", false, kLog}, "倍率必须大于0且不等于1"},
        {{"1", "10", "-2", false, kLog}, "倍率必须大于0且不等于1"},
        {{"1", "10", "0.5", false, kLog}, "倍率与扫描方向不符"},
        {{"1", "10", "1", true}, "点数应为2到10000之间的整数"},
        {{"1", "10", "2.5", true}, "点数应为2到10000之间的整数"},
        {{"1", "10", "10001", true}, "点数应为2到10000之间的整数"},
        {{"1", "10", "lots", true}, "点数应为2到10000之间的整数"},
        {{"-1", "10", "5", true, kLog}, "对数刻度的起始值和终止值必须大于0"},
    };
    for (const auto& c : cases) {
        const SweepRangeReading reading = ReadSweepRange(c.texts);
        EXPECT_EQ(reading.points.message, c.message) << c.texts.from << ':' << c.texts.to << ':' << c.texts.amount;
        EXPECT_EQ(reading.points.values.empty(), *c.message != '\0');
    }
}

class FormulaSweepTest : public TemporaryDirectoryTest {
protected:
    // A formula of the inputs m and z and `statements`, opened in a sheet
    // after the free variable x.
    void Open(const std::string& statements)
    {
        const std::filesystem::path path = dir_ / "齿轮.tfl";
        std::ofstream(path, std::ios::binary) << "ORVIK_FILE\r\n[VAR_INIT]\r\nm=2\r\nz=20\r\n[end]\r\n[EXPRESS]\r\n"
                                              << statements << "[end]\r\n[COMMENT]\r\n\r\n[end]\r\n";
        table_.Append("x", 7, origin::kInput);
        sheet_ = std::make_unique<FormulaSheet>(*engine_);
        ASSERT_EQ(sheet_->Open(path).status, FormulaReadStatus::Complete);
    }

    SweepResult Sweep(const SweepRange& range)
    {
        return RunSweep(*sheet_, {0, range, MakeSweepPoints(range).values}, host_);
    }

    testing::FakeHost host_;
    std::unique_ptr<Engine> engine_ = std::make_unique<Engine>(host_);
    VariableTable& table_ = engine_->Variables();
    std::unique_ptr<FormulaSheet> sheet_;
};

TEST_F(FormulaSweepTest, EachPointComputesAsComputeWouldAndTheTableStaysAsItWas)
{
    Open("d=m*z\r\nda=d+2*m\r\nx=x+1\r\n");
    sheet_->Compute();         // the formula's own x is 1 now, and d, da and x have rows
    sheet_->SetCell(1, "10");  // typed, not yet computed: the sweep takes it
    VariableTable before = table_;
    const SweepResult result = Sweep(Stepped(1, 3, 1));
    EXPECT_FALSE(result.Stopped());
    EXPECT_EQ(result.input_name, "m");
    EXPECT_EQ(result.inputs, (std::vector<double>{1, 2, 3}));
    ASSERT_EQ(result.results.size(), 3u);
    EXPECT_EQ(result.results[0], (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(result.results[1], (std::vector<double>{12, 24, 36}));
    EXPECT_EQ(result.results[2], (std::vector<double>{2, 2, 2}));  // not carried from point to point
    ASSERT_EQ(result.fixed_inputs.size(), 1u);
    EXPECT_EQ(result.fixed_inputs[0].name, "z");
    EXPECT_EQ(result.fixed_inputs[0].value, 10);

    EXPECT_EQ(table_.Count(), before.Count());
    EXPECT_EQ(std::memcmp(&table_[0], &before[0], sizeof(VariableEntry) * table_.Count()), 0);
    EXPECT_EQ(sheet_->Cell(1), "10");
    EXPECT_EQ(sheet_->Statements()[0].result, "=40.000000");
}

// The varied input is the formula's, not free calculation's of the same name.
TEST_F(FormulaSweepTest, AFreeVariableOfTheInputsNameLeavesTheCurveAlone)
{
    table_.Append("m", 99, origin::kAssigned);
    Open("d=m*z\r\n");
    EXPECT_EQ(Sweep(Stepped(1, 3, 1)).results[0], (std::vector<double>{20, 40, 60}));
}

TEST_F(FormulaSweepTest, AnUnknownNameIsAskedOnceAndTheAngleModeHolds)
{
    Open("k=m*g\r\ns=sin(m*h)\r\n");
    engine_->SetAngleMode(AngleMode::Radians);
    host_.answers = {"3", std::nullopt};  // g is 3; h is cancelled, so 0
    const SweepResult result = Sweep(Counted(1, 4, 4));
    EXPECT_EQ(host_.prompts, (std::vector<std::string>{"g", "h"}));
    EXPECT_EQ(result.results[0], (std::vector<double>{3, 6, 9, 12}));
    EXPECT_EQ(result.results[1], (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(table_.FindVariable("g"), -1);

    host_.prompts.clear();
    host_.answers = {"0.5", "1"};
    const SweepResult radians = Sweep(Stepped(1, 2, 1));  // a new sweep asks anew
    EXPECT_EQ(host_.prompts.size(), 2u);
    EXPECT_DOUBLE_EQ(radians.results[1][1], std::sin(2.0));
}

TEST_F(FormulaSweepTest, AnEngineMessageStopsTheSweepAtItsPoint)
{
    Open("d=m*z\r\nr=ainv(2-m)\r\n");
    const SweepResult result = Sweep(Stepped(1, 5, 1));
    ASSERT_TRUE(result.Stopped());
    EXPECT_EQ(result.stopped_at, 2);
    EXPECT_EQ(result.PointCount(), 2);
    EXPECT_EQ(result.results[0], (std::vector<double>{20, 40}));
    EXPECT_EQ(host_.messages.size(), 0u);  // kept for the one that says where
    EXPECT_EQ(SweepStopMessage(result),
              "参数扫描在第3点(m=3.000000)停止:\n用于求渐开线反函数的值小于0，\n"
              "可能是给定参数不合理造成的或公式有不完善的地方");
}

TEST_F(FormulaSweepTest, ACompiledFormulaStartsEachEvaluationAfreshAndGoesOnAfterAMessage)
{
    Open("d=m*z\r\nn=n+1\r\nr=ainv(2-m)\r\nk=q*2\r\n");
    host_.answers = {"3"};
    CompiledFormula formula(*sheet_, host_);
    EXPECT_EQ(formula.Input(1), 20);
    const struct {
        double m;
        bool computed;
        double d, n, k;
    } cases[] = {{1, true, 20, 1, 6}, {3, false, 60, 1, NAN}, {1.5, true, 30, 1, 6}};
    for (const auto& c : cases) {
        formula.SetInput(0, c.m);
        EXPECT_EQ(formula.Evaluate(), c.computed) << c.m;
        EXPECT_EQ(formula.Message().empty(), c.computed) << c.m;
        EXPECT_EQ(formula.Result(0), c.d) << c.m;
        EXPECT_EQ(formula.Result(1), c.n) << c.m;  // created anew, not counting up
        EXPECT_EQ(std::isnan(formula.Result(3)), std::isnan(c.k)) << c.m;
        EXPECT_EQ(formula.Value(formula.FindVariable("n")), c.n) << c.m;
    }
    EXPECT_EQ(formula.Result(3), 6);
    EXPECT_EQ(host_.prompts, std::vector<std::string>{"q"});
    EXPECT_EQ(host_.messages.size(), 0u);
    EXPECT_EQ(table_.FindVariable("n"), -1);
}

SweepResult TextResult()
{
    SweepResult result;
    result.formula = "梁";
    result.input_name = "长度";
    result.statements = {"f=长度*0.1", "g=\"a,b\"", "h==2"};
    result.fixed_inputs = {{"q", 2.5}};
    result.range = Stepped(1, 2, 0.5);
    result.planned_points = 3;
    result.inputs = {1, 1.5, 2};
    result.results = {{0.1, 0.15000000000000002, 1e20}, {1, 2, -INFINITY}, {0, 0, 1}};
    return result;
}

std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

TEST(SweepTextTest, CsvTabAndPrintTextsOfTheTable)
{
    const SweepResult result = TextResult();
    const std::vector<int> chosen = {0, 1};
    EXPECT_EQ(SweepCsvText(result, chosen),
              Utf8(u8"\uFEFF长度,f=长度*0.1,\"g=\"\"a,b\"\"\"\r\n"
                   u8"1,0.10000000000000001,1\r\n"
                   u8"1.5,0.15000000000000002,2\r\n"
                   u8"2,1e+20,-INF\r\n"));
    EXPECT_EQ(SweepTabText(result), Utf8(u8"长度\tf=长度*0.1\tg=\"a,b\"\th==2\n"
                                         u8"1\t0.10000000000000001\t1\t0\n"
                                         u8"1.5\t0.15000000000000002\t2\t0\n"
                                         u8"2\t1e+20\t-INF\t1\n"));
    const std::vector<int> last = {2};
    EXPECT_EQ(SweepPrintText(result, last),
              "参数扫描: 梁, 长度 从 1 到 2, 步长 0.5, 3 点\r\n\r\n"
              "Input: \r\nq = 2.500000 \r\n\r\n"
              "process: \r\n长度\th==2\r\n1.000000\t0.000000\r\n1.500000\t0.000000\r\n2.000000\t1.000000\r\n");

    SweepResult logarithmic = result;
    logarithmic.range = Counted(1, 100, 3, kLog);
    EXPECT_EQ(SweepSettingsText(logarithmic), "参数扫描: 梁, 长度 从 1 到 100, 对数刻度, 3 点");
}

TEST(SweepTextTest, AResultIsNamedAfterTheVariableItAssigns)
{
    const struct {
        const char* statement;
        const char* name;
    } cases[] = {
        {"d=m*z", "d"},      {" 齿顶圆 = d+2*m // 注", "齿顶圆"}, {"a==b", "a==b"},
        {"x+=1", "x+=1"},    {"m*z", "m*z"},                     {"if(a>=1)", "if(a>=1)"},
        {"=3", "=3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SweepResultName(c.statement), c.name) << c.statement;
}

}  // namespace
}  // namespace orvik
