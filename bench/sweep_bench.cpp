// Times a parameter sweep of 10,000 points over a gear formula of ten
// statements: the computation alone, and the window of its table and chart
// from construction until it has been painted. Runs on the offscreen
// platform unless another one is asked for.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

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

namespace {

namespace fs = std::filesystem;

constexpr int kPoints = 10000;

// Tooth and tip geometry of a spur gear, ten statements.
constexpr const char* kFormula =
    "ORVIK_FILE\r\n[VAR_INIT]\r\nm=2\r\nz=20\r\na=20\r\nha=1\r\nc=0.25\r\n[end]\r\n[EXPRESS]\r\n"
    "d=m*z\r\ndb=d*cos(a)\r\nda=d+2*ha*m\r\ndf=d-2*(ha+c)*m\r\np=3.14159265358979*m\r\npb=p*cos(a)\r\n"
    "s=p/2\r\nh=(2*ha+c)*m\r\nsa=da*(s/d+inv(a)-inv(acos(db/da)))\r\nw=(da^2-db^2)^0.5\r\n"
    "[end]\r\n[COMMENT]\r\n\r\n[end]\r\n";

class QuietHost : public orvik::EngineHost {
public:
    void ShowMessage(std::string_view) override { ++messages; }
    bool PromptValue(std::string_view, std::string&) override { return false; }
    int messages = 0;
};

struct NoStart : orvik::ProcessStart {
    bool StartDetached(const std::string&, const std::vector<std::string>&) override { return false; }
};

// The gear formula opened in a sheet, and a plan of m from 1 to 10 in
// 10,000 points.
struct Fixture {
    Fixture()
    {
        const fs::path file = fs::temp_directory_path() / "orvik-sweep-bench.tfl";
        std::ofstream(file, std::ios::binary) << kFormula;
        sheet.Open(file);
        fs::remove(file);
        plan.range = {.from = 1, .to = 10, .by_count = true, .step = 0, .count = kPoints};
        plan.points = orvik::MakeSweepPoints(plan.range).values;
    }

    QuietHost host;
    std::unique_ptr<orvik::Engine> engine = std::make_unique<orvik::Engine>(host);
    orvik::FormulaSheet sheet{*engine};
    orvik::SweepPlan plan;
};

Fixture& Gear()
{
    static Fixture fixture;
    return fixture;
}

void BM_SweepComputation(benchmark::State& state)
{
    Fixture& gear = Gear();
    for (auto _ : state) {
        const orvik::SweepResult result = orvik::RunSweep(gear.sheet, gear.plan, gear.host);
        if (result.PointCount() != kPoints || result.statements.size() != 10 || gear.host.messages)
            state.SkipWithError("the sweep did not compute every point");
        benchmark::DoNotOptimize(result.results.back().back());
    }
}
BENCHMARK(BM_SweepComputation)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_SweepWindowShown(benchmark::State& state)
{
    Fixture& gear = Gear();
    const orvik::SweepResult result = orvik::RunSweep(gear.sheet, gear.plan, gear.host);
    orvik::WidgetUserPort port;
    NoStart start;
    for (auto _ : state) {
        auto window = std::make_unique<orvik::SweepResultWindow>(result, orvik::AllSweepStatements(result), port,
                                                                 start);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            state.SkipWithError("the window was not shown");
        window->repaint();
    }
}
BENCHMARK(BM_SweepWindowShown)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv)
{
    return orvik::RunOffscreenBenchmarks(argc, argv);
}
