// Tolerance analysis without widgets: reading tolerances, the three methods
// on small formulas with known answers, and the texts of the results.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <numbers>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "library/core/formula_sheet.h"
#include "library/core/sample_statistics.h"
#include "library/core/tolerance_analysis.h"
#include "library/core/tolerance_text.h"
#include "temporary_directory_test.h"
#include "tests/engine/fake_host.h"

namespace orvik {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(ToleranceSpecTest, EachFormGivesItsRangeAndAnythingElseIsRefused)
{
    const struct {
        const char* text;
        double value, low, high, middle, half_width;
    } cases[] = {
        {"±0.1", 10, 9.9, 10.1, 10, 0.1},
        {" +-0.1 ", 10, 9.9, 10.1, 10, 0.1},
        {"± 0", 3, 3, 3, 3, 0},
        {"+0.021/0", 20, 20, 20.021, 20.0105, 0.0105},
        {"-0.007/-0.020", 20, 19.98, 19.993, 19.9865, 0.0065},
        {"+0.1/-0.05", 1, 0.95, 1.1, 1.025, 0.075},
        {"2%", 10000, 9800, 10200, 10000, 200},
        {"5 %", -4, -4.2, -3.8, -4, 0.2},
    };
    for (const auto& c : cases) {
        const std::optional<ToleranceRange> range = ReadTolerance(c.text, c.value);
        ASSERT_TRUE(range) << c.text;
        EXPECT_DOUBLE_EQ(range->low, c.low) << c.text;
        EXPECT_DOUBLE_EQ(range->high, c.high) << c.text;
        EXPECT_DOUBLE_EQ(range->middle, c.middle) << c.text;
        EXPECT_DOUBLE_EQ(range->half_width, c.half_width) << c.text;
    }
    EXPECT_EQ(ReadTolerance("±0.1", 10)->middle, 10);  // exactly the value, not the mean of the ends
    for (const char* text : {"", "0.1", "±", "±-0.1", "-2%", "x%", "10%%", "+0.1/", "1/2/3", "±abc", "±1e999",
                             "+-", "0.1±"})
        EXPECT_FALSE(ReadTolerance(text, 1)) << text;
    EXPECT_EQ(ToleranceMessage("d", "0.1"), "d 的公差写法不对: 0.1\n公差应写成 ±T、+-T、+A/-B 或 P%");
}

TEST(SampleStatisticsTest, MeanDeviationPointsAndBins)
{
    std::vector<double> five = {5, 1, 4, 2, 3};
    const struct {
        double p, quantile;
    } quantiles[] = {{0, 1}, {1, 5}, {0.5, 3}, {0.1, 1.4}, {0.95, 4.8}};
    for (const auto& q : quantiles)
        EXPECT_DOUBLE_EQ(SampleQuantile(five, q.p), q.quantile) << q.p;

    std::vector<double> eight = {2, 4, 4, 4, 5, 5, 7, 9};
    const SampleSummary summary = Summarise(eight);
    EXPECT_DOUBLE_EQ(summary.mean, 5);
    EXPECT_DOUBLE_EQ(summary.standard_deviation, std::sqrt(32.0 / 7));
    std::vector<double> one = {3};
    EXPECT_TRUE(std::isnan(Summarise(one).standard_deviation));
    EXPECT_TRUE(std::isnan(Summarise({}).mean));

    const std::vector<double> values = {0, 0.5, 1, 1.5, 2, 2.5, -0.1};
    EXPECT_EQ(CountInBins(values, 0, 2, 4), (std::vector<int>{1, 1, 1, 2}));
    EXPECT_EQ(CountInBins(std::vector<double>{3, 3}, 3, 3, 2), (std::vector<int>{2, 0}));
}

TEST(SensitivityTest, SharesOfTheVarianceLargestFirst)
{
    const std::vector<double> contributions = {3, -4, 0};
    const std::vector<SensitivityShare> shares = SensitivityShares(contributions);
    ASSERT_EQ(shares.size(), 3u);
    EXPECT_EQ(shares[0].input, 1);
    EXPECT_DOUBLE_EQ(shares[0].percent, 64);
    EXPECT_EQ(shares[1].input, 0);
    EXPECT_DOUBLE_EQ(shares[1].percent, 36);
    EXPECT_EQ(shares[2].percent, 0);
    const std::vector<double> none = {0, 0};
    EXPECT_EQ(SensitivityShares(none)[1].percent, 0);
}

class ToleranceTest : public TemporaryDirectoryTest {
protected:
    // A formula of the inputs `definitions` ("a=1\r\n...") and `statements`,
    // on an engine of its own, after a free variable of value 7 if named.
    void Open(const std::string& definitions, const std::string& statements, const std::string& free = "")
    {
        sheet_.reset();
        engine_ = std::make_unique<Engine>(host_);
        if (!free.empty())
            engine_->Variables().Append(free, 7, origin::kInput);
        const std::filesystem::path path = dir_ / "公式.tfl";
        std::ofstream(path, std::ios::binary) << "ORVIK_FILE\r\n[VAR_INIT]\r\n" << definitions << "[end]\r\n[EXPRESS]\r\n"
                                              << statements << "[end]\r\n[COMMENT]\r\n\r\n[end]\r\n";
        sheet_ = std::make_unique<FormulaSheet>(*engine_);
        ASSERT_EQ(sheet_->Open(path).status, FormulaReadStatus::Complete);
    }

    // Each tolerance {input name, text} read against the input's value.
    ToleranceResult Analyse(const std::vector<std::pair<std::string, std::string>>& tolerances,
                            ToleranceSettings settings = {})
    {
        TolerancePlan plan{{}, settings};
        const std::vector<double> values = ToleranceInputValues(*sheet_);
        for (const auto& [name, text] : tolerances) {
            const int row = sheet_->FindInputRow(name);
            plan.inputs.push_back({row, text, *ReadTolerance(text, values[row])});
        }
        return RunToleranceAnalysis(*sheet_, plan, host_);
    }

    testing::FakeHost host_;
    std::unique_ptr<Engine> engine_ = std::make_unique<Engine>(host_);
    std::unique_ptr<FormulaSheet> sheet_;
};

std::string Inputs(int count)
{
    std::string definitions;
    for (int i = 0; i < count; ++i)
        definitions += "a" + std::to_string(i) + "=1\r\n";
    return definitions;
}

// The references: worked out by hand from the formula, its derivatives and
// the moments of the distributions (uniform over ±h: variance h²/3).
TEST_F(ToleranceTest, EachMethodGivesTheFiguresOfItsDefinition)
{
    const double sigma = 4 * 10000 / (kPi * 100);
    const double d_sigma_dF = 4 / (kPi * 100), d_sigma_dd = -8 * 10000 / (kPi * 1000);
    const struct {
        std::string definitions, statement;
        std::vector<std::pair<std::string, std::string>> tolerances;
        double nominal, worst_min, worst_max, rss_centre, rss_half_width;
        double mean, standard_deviation;  // NaN: not checked
        double accuracy;                  // of the Monte Carlo figures
    } cases[] = {
        {"a=10\r\nb=20\r\nc=5\r\n", "y=a+b-c", {{"a", "±0.1"}, {"b", "±0.2"}, {"c", "±0.05"}},
         25, 24.65, 25.35, 25, std::sqrt(0.0525), 25, std::sqrt(0.0525 / 3), 0.002},
        // 122.3189 and 132.5073 at the corners; RSS from the derivatives 4/(πd²) and -8F/(πd³).
        {"F=10000\r\nd=10\r\n", "σ=4*F/(π*d^2)", {{"F", "2%"}, {"d", "±0.1"}},
         sigma, 4 * 9800 / (kPi * 10.1 * 10.1), 4 * 10200 / (kPi * 9.9 * 9.9), sigma,
         std::hypot(d_sigma_dF * 200, d_sigma_dd * 0.1), 4 * 10000 / kPi * (1 / 9.9 - 1 / 10.1) / 0.2,
         std::hypot(d_sigma_dF * 200, d_sigma_dd * 0.1) / std::sqrt(3.0), 0.03},
        // A clearance of a hole and a shaft: asymmetric ranges, the nominal outside one.
        {"D=20\r\nd=20\r\n", "s=D-d", {{"D", "+0.021/0"}, {"d", "-0.007/-0.020"}},
         0, 0.007, 0.041, 0.024, std::hypot(0.0105, 0.0065), 0.024, std::hypot(0.0105, 0.0065) / std::sqrt(3.0),
         0.0002},
        // Not monotonic: the minimum lies inside, the slope at the centre is 0.
        {"x=1\r\n", "y=(x-1)^2", {{"x", "±0.5"}}, 0, 0, 0.25, 0, 0, 0.25 / 3,
         std::sqrt(0.0625 / 5 - 0.25 / 3 * 0.25 / 3), 0.002},
        {"a=1\r\nb=0\r\n", "y=(a-1.2)^2+(b+0.3)^2", {{"a", "±0.5"}, {"b", "±0.5"}},
         0.13, 0, 1.13, 0.13, std::hypot(-0.2, 0.3), NAN, NAN, 0},
        // In degrees: the maximum at 90 between the grid's points, the minimum at the end.
        {"x=100\r\n", "y=sin(x)", {{"x", "±100"}}, std::sin(100 * kPi / 180), std::sin(200 * kPi / 180), 1,
         std::sin(100 * kPi / 180), std::abs(std::cos(100 * kPi / 180)) * kPi / 180 * 100, NAN, NAN, 0},
        // More inputs than the corners are tried for: the corners the slopes point to.
        {Inputs(13), "y=a0+a1+a2+a3+a4+a5+a6+a7+a8+a9+a10+a11+a12",
         {{"a0", "±1"}, {"a1", "±1"}, {"a2", "±1"}, {"a3", "±1"}, {"a4", "±1"}, {"a5", "±1"}, {"a6", "±1"},
          {"a7", "±1"}, {"a8", "±1"}, {"a9", "±1"}, {"a10", "±1"}, {"a11", "±1"}, {"a12", "±1"}},
         13, 0, 26, 13, std::sqrt(13.0), 13, std::sqrt(13 / 3.0), 0.03},
    };
    for (const auto& c : cases) {
        Open(c.definitions, c.statement + "\r\n");
        const ToleranceResult result = Analyse(c.tolerances);
        ASSERT_EQ(result.message, "") << c.statement;
        ASSERT_EQ(result.names.size(), 1u) << c.statement;
        const ResultFigures& figures = result.figures[0];
        const double scale = std::max(1.0, std::abs(c.nominal));
        EXPECT_NEAR(figures.nominal, c.nominal, 1e-12 * scale) << c.statement;
        EXPECT_NEAR(figures.worst_min, c.worst_min, 1e-9 * scale) << c.statement;
        EXPECT_NEAR(figures.worst_max, c.worst_max, 1e-9 * scale) << c.statement;
        EXPECT_NEAR(figures.rss_centre, c.rss_centre, 1e-12 * scale) << c.statement;
        EXPECT_NEAR(figures.rss_half_width, c.rss_half_width, 1e-8 * scale) << c.statement;
        EXPECT_EQ(figures.left_out, 0);
        EXPECT_EQ(figures.samples.size(), static_cast<size_t>(kToleranceSamplesDefault));
        if (!std::isnan(c.mean)) {
            EXPECT_NEAR(figures.mean, c.mean, c.accuracy) << c.statement;
            EXPECT_NEAR(figures.standard_deviation, c.standard_deviation, c.accuracy) << c.statement;
        }
        EXPECT_LE(figures.worst_min, figures.low_point) << c.statement;
        EXPECT_GE(figures.worst_max, figures.high_point) << c.statement;
    }
}

TEST_F(ToleranceTest, TheSeedRepeatsARunAndTheNormalDistributionHasAThirdOfTheHalfWidth)
{
    Open("a=10\r\nb=20\r\nc=5\r\n", "y=a+b-c\r\n");
    const std::vector<std::pair<std::string, std::string>> tolerances = {{"a", "±0.1"}, {"b", "±0.2"}, {"c", "±0.05"}};
    const ResultFigures first = Analyse(tolerances).figures[0];
    EXPECT_EQ(Analyse(tolerances).figures[0].mean, first.mean);
    EXPECT_NE(Analyse(tolerances, {.seed = 2}).figures[0].mean, first.mean);

    const ResultFigures normal =
        Analyse(tolerances, {.distribution = ToleranceDistribution::Normal, .samples = 40000}).figures[0];
    EXPECT_EQ(normal.samples.size(), 40000u);
    EXPECT_NEAR(normal.mean, 25, 0.002);
    EXPECT_NEAR(normal.standard_deviation, std::sqrt(0.0525) / 3, 0.001);
    // ±3 standard deviations: the RSS limits.
    EXPECT_NEAR(normal.low_point, 25 - std::sqrt(0.0525), 0.01);
    EXPECT_NEAR(normal.high_point, 25 + std::sqrt(0.0525), 0.01);
    EXPECT_EQ(normal.worst_min, first.worst_min);  // samples beyond the ranges do not count
}

TEST_F(ToleranceTest, PointsWithoutAValueAreLeftOutOfThatResultAndCounted)
{
    Open("x=1\r\n", "y=sqrt(x)\r\nw=2*x\r\n");
    const ToleranceResult result = Analyse({{"x", "±2"}}, {.samples = 10000});
    ASSERT_EQ(result.message, "");
    const ResultFigures& y = result.figures[0];
    EXPECT_NEAR(y.left_out, 2500, 200);  // x below 0: a quarter
    EXPECT_EQ(y.samples.size() + y.left_out, 10000u);
    EXPECT_EQ(y.worst_min, 0);
    EXPECT_NEAR(y.worst_max, std::sqrt(3.0), 1e-12);
    const ResultFigures& w = result.figures[1];
    EXPECT_EQ(w.left_out, 0);
    EXPECT_EQ(w.worst_min, -2);
    EXPECT_EQ(w.worst_max, 6);
    EXPECT_EQ(ToleranceLeftOutLines(result), std::vector<std::string>{"y: 10000 个样本中有 " + std::to_string(y.left_out)
                                                                       + " 个没有得出数值, 未计入统计"});

    // An engine message leaves the point out of every result.
    Open("x=1\r\n", "w=2*x\r\nr=ainv(x)\r\n");
    EXPECT_NEAR(Analyse({{"x", "±2"}}, {.samples = 10000}).figures[0].left_out, 2500, 200);

    Open("x=1\r\n", "y=ainv(x-2)\r\n");
    EXPECT_EQ(Analyse({{"x", "±0.5"}}).message,
              "公差分析在名义值处停止:\n用于求渐开线反函数的值小于0，\n可能是给定参数不合理造成的或公式有不完善的地方");
    EXPECT_EQ(host_.messages.size(), 0u);
}

TEST_F(ToleranceTest, TheResultsAreTheAssignedVariablesAndTheTableStaysAsItWas)
{
    Open("m=2\r\nz=20\r\n", "d=m*z\r\nm*z\r\nx=x+1\r\np=π*m\r\nk=q*d\r\n", "x");
    sheet_->SetCell(0, "3");  // typed, not yet computed: the analysis takes it
    host_.answers = {"0.5"};
    const VariableTable before = engine_->Variables();
    const ToleranceResult result = Analyse({{"z", "±1"}});
    // x: the formula's own, beside the free one.
    EXPECT_EQ(result.names, (std::vector<std::string>{"d", "x", "p", "k"}));
    EXPECT_EQ(host_.prompts, std::vector<std::string>{"q"});  // once, for every point
    ASSERT_EQ(result.fixed_inputs.size(), 1u);
    EXPECT_EQ(result.fixed_inputs[0].value, 3);
    EXPECT_EQ(result.inputs[0].name, "z");
    EXPECT_EQ(result.figures[0].worst_max, 63);
    EXPECT_EQ(result.figures[3].nominal, 30);
    const VariableTable& after = engine_->Variables();
    EXPECT_EQ(after.Count(), before.Count());
    EXPECT_EQ(std::memcmp(&after[0], &before[0], sizeof(VariableEntry) * after.Count()), 0);

    // Computed before: the same results, q now an input without a tolerance.
    host_.answers = {"0.5"};
    sheet_->Compute();
    const ToleranceResult again = Analyse({{"z", "±1"}});
    EXPECT_EQ(again.names, result.names);
    EXPECT_EQ(again.fixed_inputs.size(), 2u);
    EXPECT_EQ(again.figures[3].worst_max, 31.5);
    sheet_->Compute();  // x=x+1 goes on from the value computing left: as computing once more
    const VariableTable& computed = engine_->Variables();
    EXPECT_EQ(again.figures[1].nominal, computed[computed.FindVariable("x")].value);
}

std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

TEST(ToleranceTextTest, ConsoleCsvAndPrintTexts)
{
    ToleranceResult result;
    result.formula = "配合";
    result.inputs = {{"D", 20, "+0.021/0", {20, 20.021, 20.0105, 0.0105}},
                     {"d", 20, "-0.007/-0.020", {19.98, 19.993, 19.9865, 0.0065}}};
    result.fixed_inputs = {{"L", 30}};
    result.names = {"s"};
    ResultFigures figures{0, 0.007, 0.041, 0.024, 0.0125, {0.0105, -0.0065}, 3, 0.024, 0.0071, 0.0075, 0.0405, {1, 2}};
    result.figures = {figures};
    const std::string row = "s\t0\t0.0070000000000000001\t0.041000000000000002\t0.024\t0.012500000000000001\t0.024\t"
                            "0.0071000000000000004\t0.0074999999999999997\t0.040500000000000001\t2\n";
    EXPECT_EQ(ToleranceTabText(result),
              Utf8(u8"变量\t名义值\t最坏情况最小值\t最坏情况最大值\tRSS中心值\tRSS半宽\t蒙特卡洛均值\t蒙特卡洛标准差\t"
                   u8"0.135%点\t99.865%点\t有效样本数\n") + row);
    std::string csv_row = row;
    std::replace(csv_row.begin(), csv_row.end(), '\t', ',');
    csv_row.insert(csv_row.size() - 1, "\r");
    EXPECT_EQ(ToleranceCsvText(result).substr(ToleranceCsvText(result).find("\r\ns,") + 2), csv_row +
              Utf8(u8"\r\n输入,值,公差,下限,上限,s 方差占比%\r\n"
                   u8"D,20,+0.021/0,20,20.021000000000001,72.295081967213122\r\n"
                   u8"d,20,-0.007/-0.020,19.98,19.992999999999999,27.704918032786878\r\n"));
    EXPECT_EQ(TolerancePrintText(result),
              "公差分析: 配合, 均匀分布, 100000 个样本\r\n"
              "s: 100000 个样本中有 3 个没有得出数值, 未计入统计\r\n\r\n"
              "Input: \r\nL = 30.000000 \r\n\r\n"
              "process: \r\n"
              "变量\t名义值\t最坏情况最小值\t最坏情况最大值\tRSS中心值\tRSS半宽\t蒙特卡洛均值\t蒙特卡洛标准差\t0.135%点\t"
              "99.865%点\t有效样本数\r\n"
              "s\t0\t0.007\t0.041\t0.024\t0.0125\t0.024\t0.0071\t0.0075\t0.0405\t2\r\n\r\n"
              "输入\t值\t公差\t下限\t上限\ts 方差占比%\r\n"
              "D\t20\t+0.021/0\t20\t20.021\t72.295082\r\n"
              "d\t20\t-0.007/-0.020\t19.98\t19.993\t27.704918\r\n");
}

}  // namespace
}  // namespace orvik
