// Solving backwards without widgets: the roots of a function over a range,
// and a formula's input solved for a target value of one of its variables.
#include <cmath>
#include <fstream>
#include <numbers>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "library/core/formula_sheet.h"
#include "library/core/formula_solve.h"
#include "library/core/root_search.h"
#include "temporary_directory_test.h"
#include "tests/engine/fake_host.h"

namespace orvik {
namespace {

using std::numbers::pi;

// Crossings are refined to full precision, touching roots to about 1e-7,
// relative to the root.
constexpr double kCrossing = 1e-12;
constexpr double kTouching = 1e-7;

struct ExpectedRoot {
    double x;
    double precision;
};

void ExpectRoots(const RootSearchResult& found, const std::vector<ExpectedRoot>& expected, const char* what)
{
    ASSERT_EQ(found.roots.size(), expected.size()) << what;
    for (size_t i = 0; i < expected.size(); ++i) {
        const double x = expected[i].x;
        EXPECT_NEAR(found.roots[i].x, x, expected[i].precision * (x == 0 ? 1 : std::abs(x))) << what << " #" << i;
    }
}

TEST(RootSearchTest, FindsEveryCrossingAndTouchingRootAndNoPoleOrJump)
{
    const struct {
        const char* what;
        std::function<double(double)> value;
        double target;
        double from;
        double to;
        std::vector<ExpectedRoot> roots;
    } cases[] = {
        {"x^2 = 16", [](double x) { return x * x; }, 16, -10, 10, {{-4, kCrossing}, {4, kCrossing}}},
        {"(x-1)^2 = 0", [](double x) { return (x - 1) * (x - 1); }, 0, -5, 5, {{1, kTouching}}},
        {"(x-1)^2 = 0 off the grid", [](double x) { return (x - 1) * (x - 1); }, 0, -4.9999, 5.0003, {{1, kTouching}}},
        {"1 - cos = 0, a touching root",
         [](double x) { return 1 - std::cos(x); }, 0, 1, 9, {{2 * pi, kTouching}}},
        {"x^2 + 1 = 0", [](double x) { return x * x + 1; }, 0, -3, 2, {}},
        {"1/x = 0 with 0 on the grid", [](double x) { return 1 / x; }, 0, -1, 1, {}},
        {"1/x = 0 across the pole", [](double x) { return 1 / x; }, 0, -1, 1.3, {}},
        {"tan = 0 across its poles", [](double x) { return std::tan(x); }, 0, 1, 5, {{pi, kCrossing}}},
        {"a jump across the target", [](double x) { return x < 0.5 ? x - 0.7 : x + 0.3; }, 0, 0, 1, {}},
        {"steps", [](double x) { return std::floor(x); }, 0.5, 0, 3, {}},
        {"roots a thousandth of the range apart",
         [](double x) { return (x - 0.5) * (x - 0.501); }, 0, 0, 1, {{0.5, kCrossing}, {0.501, kCrossing}}},
        {"in reverse", [](double x) { return x * x * x; }, 8, 3, -3, {{2, kCrossing}}},
        {"a large target", [](double x) { return 1e12 * x; }, 3e12, 0, 10, {{3, kCrossing}}},
        {"a root at the end", [](double x) { return x - 2; }, 0, -3, 2, {{2, 0}}},
        {"a steep crossing", [](double x) { return std::cbrt(x - 0.3); }, 0, 0, 1, {{0.3, kCrossing}}},
    };
    for (const auto& c : cases)
        ExpectRoots(FindRoots(c.value, c.target, c.from, c.to), c.roots, c.what);
}

TEST(RootSearchTest, ARootOnAGridPointIsListedOnce)
{
    const struct {
        const char* what;
        std::function<double(double)> value;
        double root;
    } cases[] = {
        {"crossing", [](double x) { return x; }, 0},
        {"crossing flat", [](double x) { return x * x * x; }, 0},
        {"touching", [](double x) { return x * x; }, 0},
        {"zero on a stretch", [](double x) { return x < 0 ? 0 : x; }, -1},
    };
    for (const auto& c : cases) {
        const RootSearchResult found = FindRoots(c.value, 0, -1, 1);
        ASSERT_EQ(found.roots.size(), 1u) << c.what;
        EXPECT_EQ(found.roots[0].x, c.root) << c.what;
        EXPECT_EQ(found.roots[0].value, 0) << c.what;
    }
}

TEST(RootSearchTest, WideRangesAreScannedInTheLogarithmAndPointsWithoutValueAreCounted)
{
    // Roots a thousandth of the range apart near its small end: a linear
    // grid of 4000 has no point between them.
    const auto close = [](double x) { return (x - 0.002) * (x - 0.003); };
    RootSearchResult found = FindRoots(close, 0, 0.001, 1000);
    EXPECT_TRUE(found.logarithmic);
    ExpectRoots(found, {{0.002, kCrossing}, {0.003, kCrossing}}, "logarithmic");
    EXPECT_FALSE(FindRoots(close, 0, 0.01, 1).logarithmic);  // two decades only
    EXPECT_FALSE(FindRoots(close, 0, -1000, -0.001).logarithmic);

    found = FindRoots([](double x) { return x < 0 ? NAN : std::sqrt(x); }, 0.5, -1, 1);
    ExpectRoots(found, {{0.25, kCrossing}}, "sqrt");
    EXPECT_EQ(found.no_value_points, kRootScanIntervals / 2);
    EXPECT_EQ(found.scan.size(), size_t{kRootScanIntervals + 1});
    EXPECT_TRUE(std::isnan(found.scan[0].value));
    EXPECT_GT(found.evaluations, kRootScanIntervals);

    found = FindRoots([](double x) { return x * x + 1; }, 0, -3, 2);
    ASSERT_TRUE(found.has_closest);
    EXPECT_NEAR(found.closest.x, 0, 1e-3);
    EXPECT_NEAR(found.closest.value, 1, 1e-6);
    EXPECT_FALSE(FindRoots([](double) { return NAN; }, 0, 0, 1).has_closest);
}

class FormulaSolveTest : public TemporaryDirectoryTest {
protected:
    // A formula of `inputs` (CR LF lines) and `statements`, opened in a
    // sheet after the free variable x = 7.
    void Open(const std::string& inputs, const std::string& statements)
    {
        const std::filesystem::path path = dir_ / "式.tfl";
        std::ofstream(path, std::ios::binary) << "ORVIK_FILE\r\n[VAR_INIT]\r\n" << inputs << "[end]\r\n[EXPRESS]\r\n"
                                              << statements << "[end]\r\n[COMMENT]\r\n\r\n[end]\r\n";
        sheet_.reset();  // it leaves the table of the engine it was opened on
        engine_ = std::make_unique<Engine>(host_);
        engine_->Variables().Append("free", 7, origin::kInput);
        sheet_ = std::make_unique<FormulaSheet>(*engine_);
        ASSERT_EQ(sheet_->Open(path).status, FormulaReadStatus::Complete);
    }

    testing::FakeHost host_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<FormulaSheet> sheet_;
};

TEST_F(FormulaSolveTest, SolvesSmallFormulasForTheirTargets)
{
    // The engine's degree is 0.01745329251994 radians.
    const double degree = 0.01745329251994;
    const double exact_degree = pi / 180;
    const struct {
        const char* inputs;
        const char* statements;
        const char* result;
        double target;
        double from;
        double to;
        std::vector<ExpectedRoot> roots;
    } cases[] = {
        {"x=3\r\n", "y=x^2\r\n", "y", 16, -10, 10, {{-4, kCrossing}, {4, kCrossing}}},
        {"x=3\r\n", "y=(x-1)^2\r\n", "y", 0, -5, 5, {{1, kTouching}}},
        {"x=3\r\n", "y=sin(x)\r\n", "y", 0.5, 0, 360,
         {{std::asin(0.5) / degree, kCrossing}, {(pi - std::asin(0.5)) / degree, kCrossing}}},
        {"a=3\r\n", "v=inv(a)\r\n", "v", 0.014904383867336446, 1, 80, {{20 * exact_degree / degree, kCrossing}}},
        {"d=5\r\nF=10000\r\n", "σ=4*F/(π*d^2)\r\n", "σ", 120, 1, 100, {{10.300645387285057, kCrossing}}},
        {"d=5\r\nF=10000\r\n", "A=π*d^2/4\r\nσ=F/A\r\n", "σ", 120, 1, 100, {{10.300645387285057, kCrossing}}},
        {"x=3\r\n", "y=x^2+1\r\n", "y", 0, -1, 1, {}},
        // The varied input is the first; the result may be an input too.
        {"x=3\r\nk=2\r\n", "y=x\r\n", "x", 2.5, 0, 10, {{2.5, 0}}},
        {"x=3\r\nk=2\r\n", "y=x\r\n", "k", 3, 0, 10, {}},
        // No value outside -1 to 1, and a message below 0.
        {"x=3\r\n", "y=acos(x)\r\n", "y", 60, -2, 2, {{0.5, kCrossing}}},
        {"x=3\r\n", "w=ainv(x)\r\n", "w", 20, -1, 1, {{std::tan(20 * degree) - 20 * degree, kCrossing}}},
    };
    for (const auto& c : cases) {
        Open(c.inputs, c.statements);
        const SolveResult result = RunSolve(*sheet_, {0, c.result, c.target, c.from, c.to}, host_);
        ExpectRoots(result.search, c.roots, c.statements);
        for (const RootPoint& root : result.search.roots)
            EXPECT_NEAR(root.value, c.target, TouchTolerance(c.target)) << c.statements;
        EXPECT_EQ(host_.messages.size(), 0u) << c.statements;
    }
}

TEST_F(FormulaSolveTest, SaysWhereItCameClosestAndWhyPointsHadNoValue)
{
    Open("m=2\r\nz=20\r\n", "d=m*z\r\nr=ainv(d-30)\r\n");
    SolveResult result = RunSolve(*sheet_, {0, "d", -5, 2, 3}, host_);
    EXPECT_FALSE(result.HasRoots());
    EXPECT_EQ(SolveNoRootText(result), "没有找到解: m 从 2 到 3 时 d 达不到 -5; 最接近时 m = 2, d = 40");
    EXPECT_EQ(SolveNoValueText(result), "");
    result.search.roots = {{1, 2}, {3, 4}};
    EXPECT_EQ(SolveSummaryText(result), "反求: 式, 使 d = -5, m 从 2 到 3\n找到 2 个解");

    // Below m = 1.5 the statements stop with a message.
    result = RunSolve(*sheet_, {0, "d", -5, 1, 3}, host_);
    EXPECT_EQ(SolveNoRootText(result), "没有找到解: m 从 1 到 3 时 d 达不到 -5; 最接近时 m = 1.5, d = 30");
    EXPECT_EQ(SolveSummaryText(result), "反求: 式, 使 d = -5, m 从 1 到 3\n" + SolveNoRootText(result)
                                            + "\n有 1000 个点算不出值, 第一个提示: 用于求渐开线反函数的值小于0，"
                                              "可能是给定参数不合理造成的或公式有不完善的地方");
    result = RunSolve(*sheet_, {0, "r", 20, 1, 1.4}, host_);
    EXPECT_EQ(SolveNoRootText(result), "没有找到解: m 从 1 到 1.4 时没有一个点算得出 r");
    EXPECT_EQ(result.search.no_value_points, kRootScanIntervals + 1);
    result = RunSolve(*sheet_, {0, "nothing", 1, 2, 3}, host_);
    EXPECT_FALSE(result.result_found);
    EXPECT_EQ(result.search.no_value_points, kRootScanIntervals + 1);
    EXPECT_EQ(host_.messages.size(), 0u);
    EXPECT_EQ(engine_->Variables().FindVariable("d"), -1);  // the table the user sees is as it was
}

TEST_F(FormulaSolveTest, TheTargetAndRangeAreTypedValuesAndTheDefaultRangeSurroundsTheInput)
{
    Open("m=2\r\nz=20\r\n", "d=m*z\r\nd*2\r\n h = d+1 // 齿顶\r\n");
    sheet_->SetCell(1, "-4");  // typed, not yet computed: taken as computing takes it
    EXPECT_EQ(InputValue(*sheet_, 0), 2);
    EXPECT_EQ(InputValue(*sheet_, 1), -4);
    host_.answers = {"3"};
    const struct {
        SolveTexts texts;
        SolveReading reading;
    } cases[] = {
        {{"m*z", "1", "2^3"}, {-8, 1, 8, ""}},
        {{"2.5E+006", " 1e-3", "2"}, {2.5e6, 0.001, 2, ""}},  // numbers as they are
        {{"q+free", "-1", "1"}, {10, -1, 1, ""}},  // q is asked for
        {{"", "1", "2"}, {0, 1, 2, "目标值不是一个数"}},
        {{"1/0", "1", "2"}, {0, 1, 2, "目标值不是一个数"}},
        {{"1", "1", " "}, {1, 1, 0, "终止值不是一个数"}},
        {{"1", "2", "2"}, {1, 2, 2, "起始值和终止值不能相同"}},
        {{"1", "(2", "3"}, {1, 0, 0, "起始值算不出值:\n计算式[(2]中少了1个')'号"}},
    };
    for (const auto& c : cases) {
        const SolveReading reading = ReadSolveTexts(*sheet_, c.texts, host_);
        EXPECT_EQ(reading.message, c.reading.message) << c.texts.target;
        if (reading.message.empty()) {
            EXPECT_EQ(reading.target, c.reading.target) << c.texts.target;
            EXPECT_EQ(reading.from, c.reading.from) << c.texts.target;
            EXPECT_EQ(reading.to, c.reading.to) << c.texts.target;
        }
    }
    EXPECT_EQ(host_.prompts, std::vector<std::string>{"q"});
    EXPECT_EQ(host_.messages.size(), 0u);
    EXPECT_EQ(engine_->Variables().FindVariable("q"), -1);

    // The statements' targets before computing has made them rows.
    EXPECT_EQ(SolveResultNames(*sheet_), (std::vector<std::string>{"d", "h", "m", "z"}));
    sheet_->Compute();
    EXPECT_EQ(SolveResultNames(*sheet_), (std::vector<std::string>{"d", "h", "m", "z"}));

    EXPECT_EQ(DefaultSolveRange(5), (std::pair<double, double>{0.5, 50}));
    EXPECT_EQ(DefaultSolveRange(-5), (std::pair<double, double>{-50, -0.5}));
    EXPECT_EQ(DefaultSolveRange(0), (std::pair<double, double>{-1, 1}));
}

}  // namespace
}  // namespace orvik
