// Times a parameter sweep of 10,000 points over a gear formula of eleven
// statements: the computation alone, the window of its table and chart
// from construction until it has been painted, both together (what the
// user waits for after OK), and switching the plotted result until the
// chart has been drawn again; and the console's sweep of
// the shipped contact-ratio formula in its parts: the computation, the same
// computed by compiling every statement at every point as sweeps did
// before, and the table text. Runs on the offscreen platform unless another
// one is asked for (QT_QPA_PLATFORM=xcb on an X server).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <QComboBox>
#include <QTest>

#include "bench/offscreen_benchmarks.h"
#include "engine/engine.h"
#include "engine/engine_host.h"
#include "library/core/formula_sheet.h"
#include "library/core/formula_sweep.h"
#include "library/core/sweep_text.h"
#include "library/sweep_result_window.h"
#include "platform/process_start.h"
#include "platform/widget_user_port.h"
#include "resources/control_ids.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPoints = 10000;

// Tooth and tip geometry of a spur gear, ten statements, and an eleventh
// whose curve swings up and down a hundred times across the chart, the
// hardest to draw.
constexpr const char* kFormula =
    "ORVIK_FILE\r\n[VAR_INIT]\r\nm=2\r\nz=20\r\na=20\r\nha=1\r\nc=0.25\r\n[end]\r\n[EXPRESS]\r\n"
    "d=m*z\r\ndb=d*cos(a)\r\nda=d+2*ha*m\r\ndf=d-2*(ha+c)*m\r\np=3.14159265358979*m\r\npb=p*cos(a)\r\n"
    "s=p/2\r\nh=(2*ha+c)*m\r\nsa=da*(s/d+inv(a)-inv(acos(db/da)))\r\nw=(da^2-db^2)^0.5\r\n"
    "e=sin(m*4000)\r\n[end]\r\n[COMMENT]\r\n\r\n[end]\r\n";

class QuietHost : public orvik::EngineHost {
public:
    void ShowMessage(std::string_view) override { ++messages; }
    bool PromptValue(std::string_view, std::string&) override { return false; }
    int messages = 0;
};

struct NoStart : orvik::ProcessStart {
    bool StartDetached(const std::string&, const std::vector<std::string>&) override { return false; }
};

// A formula opened in a sheet, and a plan of 10,000 points of its first
// input over [from, to].
struct Fixture {
    Fixture(const fs::path& file, double from, double to, int input_row = 0)
    {
        sheet.Open(file);
        plan.input_row = input_row;
        plan.range = {.from = from, .to = to, .by_count = true, .step = 0, .count = kPoints};
        plan.points = orvik::MakeSweepPoints(plan.range).values;
    }

    QuietHost host;
    std::unique_ptr<orvik::Engine> engine = std::make_unique<orvik::Engine>(host);
    orvik::FormulaSheet sheet{*engine};
    orvik::SweepPlan plan;
};

// The gear formula, m from 1 to 10.
Fixture& Gear()
{
    static Fixture& fixture = []() -> Fixture& {
        const fs::path file = fs::temp_directory_path() / "orvik-sweep-bench.tfl";
        std::ofstream(file, std::ios::binary) << kFormula;
        static Fixture opened(file, 1, 10);
        fs::remove(file);
        return opened;
    }();
    return fixture;
}

// 直齿轮端面重合度, z1 from 12 to 60: `orvik --formula 齿轮/直齿轮端面重合度.tfl
// --sweep z1=12:60 --points 10000`.
Fixture& ContactRatio()
{
    static Fixture fixture(fs::path(ORVIK_STARTER_LIBRARY_DIR) / "齿轮" / "直齿轮端面重合度.tfl", 12, 60, 1);
    return fixture;
}

void BM_SweepComputation(benchmark::State& state, Fixture& (*formula)())
{
    Fixture& fixture = formula();
    for (auto _ : state) {
        const orvik::SweepResult result = orvik::RunSweep(fixture.sheet, fixture.plan, fixture.host);
        if (result.PointCount() != kPoints || fixture.host.messages)
            state.SkipWithError("the sweep did not compute every point");
        benchmark::DoNotOptimize(result.results.back().back());
    }
}
BENCHMARK_CAPTURE(BM_SweepComputation, gear, Gear)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_SweepComputation, contact_ratio, ContactRatio)->Unit(benchmark::kMillisecond)->Iterations(20);

// As sweeps were computed before statements could be compiled once: the
// table restored and every statement compiled and evaluated at every point.
void BM_ContactRatioSweepCompilingEachPoint(benchmark::State& state)
{
    Fixture& formula = ContactRatio();
    for (auto _ : state) {
        const auto engine = std::make_unique<orvik::Engine>(formula.host);
        orvik::VariableTable& table = engine->Variables();
        table = formula.engine->Variables();
        formula.sheet.ReadCells(table);
        const orvik::VariableTable start = table;
        const int varied = formula.sheet.BaseCount() + formula.plan.input_row;
        std::string text;
        double last = 0;
        for (const double point : formula.plan.points) {
            table = start;
            table[varied].value = point;
            for (const orvik::FormulaStatement& statement : formula.sheet.Statements())
                last = engine->EvaluateText(text.assign(statement.text));
        }
        benchmark::DoNotOptimize(last);
    }
}
BENCHMARK(BM_ContactRatioSweepCompilingEachPoint)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ContactRatioTableText(benchmark::State& state)
{
    Fixture& formula = ContactRatio();
    const orvik::SweepResult result = orvik::RunSweep(formula.sheet, formula.plan, formula.host);
    for (auto _ : state)
        benchmark::DoNotOptimize(orvik::SweepTabText(result).size());
}
BENCHMARK(BM_ContactRatioTableText)->Unit(benchmark::kMillisecond)->Iterations(20);

// Shows the window of `result` and waits until it has been painted.
std::unique_ptr<orvik::SweepResultWindow> ShowWindow(const orvik::SweepResult& result, benchmark::State& state)
{
    static orvik::WidgetUserPort port;
    static NoStart start;
    auto window = std::make_unique<orvik::SweepResultWindow>(result, orvik::AllSweepStatements(result), port, start);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        state.SkipWithError("the window was not shown");
    window->repaint();
    return window;
}

void BM_SweepWindowShown(benchmark::State& state)
{
    Fixture& gear = Gear();
    const orvik::SweepResult result = orvik::RunSweep(gear.sheet, gear.plan, gear.host);
    for (auto _ : state)
        ShowWindow(result, state);
}
BENCHMARK(BM_SweepWindowShown)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SweepFromOkToWindow(benchmark::State& state)
{
    Fixture& gear = Gear();
    for (auto _ : state)
        ShowWindow(orvik::RunSweep(gear.sheet, gear.plan, gear.host), state);
}
BENCHMARK(BM_SweepFromOkToWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SweepPlotSwitched(benchmark::State& state)
{
    Fixture& gear = Gear();
    const orvik::SweepResult result = orvik::RunSweep(gear.sheet, gear.plan, gear.host);
    const auto window = ShowWindow(result, state);
    auto* plotted = window->findChild<QComboBox*>(QString::number(orvik::id::sweep_result::kPlotted));
    auto* chart = window->findChild<QWidget*>(QString::number(orvik::id::sweep_result::kChart));
    if (!plotted || !chart) {
        state.SkipWithError("no plotted result or chart");
        return;
    }
    // By turns the smooth first result and the swinging last one.
    int index = 0;
    for (auto _ : state) {
        index = index == 0 ? plotted->count() - 1 : 0;
        plotted->setCurrentIndex(index);
        chart->repaint();
    }
}
BENCHMARK(BM_SweepPlotSwitched)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv)
{
    return orvik::RunOffscreenBenchmarks(argc, argv);
}
