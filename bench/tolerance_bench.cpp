// Times the tolerance analysis of the shipped contact ratio of a spur gear
// pair (直齿轮端面重合度: nine statements) with all seven inputs toleranced:
// worst case, RSS and 100,000 Monte Carlo samples, in the program (the
// methods without the samples alone too) and as `orvik --formula ...
// --tolerance ...` from process start to exit.
//
//   orvik_tolerance_bench [benchmark options]

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/engine_host.h"
#include "library/core/formula_sheet.h"
#include "library/core/tolerance_analysis.h"
#include "platform/gbk.h"
#include "timed_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kFormula = fs::path(ORVIK_STARTER_LIBRARY_DIR) / "齿轮" / "直齿轮端面重合度.tfl";

// Input and tolerance as typed (UTF-8).
const std::vector<std::pair<std::string, std::string>> kTolerances = {
    {"m", "±0.01"}, {"z1", "±0.5"},     {"z2", "±0.5"},        {"α", "±0.1"},
    {"ha", "+0/-0.02"}, {"x1", "+0.05/-0.05"}, {"x2", "+0.05/-0.05"},
};

class QuietHost : public orvik::EngineHost {
public:
    void ShowMessage(std::string_view) override { ++messages; }
    bool PromptValue(std::string_view, std::string&) override { return false; }
    int messages = 0;
};

struct Fixture {
    Fixture()
    {
        sheet.Open(kFormula);
        const std::vector<double> values = orvik::ToleranceInputValues(sheet);
        for (const auto& [name, text] : kTolerances) {
            const int row = sheet.FindInputRow(*orvik::Utf8ToGbk(name));
            const std::string gbk = *orvik::Utf8ToGbk(text);
            plan.inputs.push_back({row, gbk, *orvik::ReadTolerance(gbk, values[row])});
        }
    }

    QuietHost host;
    std::unique_ptr<orvik::Engine> engine = std::make_unique<orvik::Engine>(host);
    orvik::FormulaSheet sheet{*engine};
    orvik::TolerancePlan plan;
};

Fixture& Gears()
{
    static Fixture fixture;
    return fixture;
}

void Analyse(benchmark::State& state, int samples)
{
    Fixture& gears = Gears();
    orvik::TolerancePlan plan = gears.plan;
    plan.settings.samples = samples;
    for (auto _ : state) {
        const orvik::ToleranceResult result = orvik::RunToleranceAnalysis(gears.sheet, plan, gears.host);
        if (result.names.size() != 9 || !result.message.empty() || result.figures.back().left_out != 0)
            state.SkipWithError("the analysis did not give every figure");
        benchmark::DoNotOptimize(result.figures.back().mean);
    }
}

void BM_ToleranceAnalysis(benchmark::State& state)
{
    Analyse(state, orvik::kToleranceSamplesDefault);
}
BENCHMARK(BM_ToleranceAnalysis)->Unit(benchmark::kMillisecond)->Iterations(10);

// Worst case and RSS with the fewest samples there may be.
void BM_WorstCaseAndRss(benchmark::State& state)
{
    Analyse(state, 2);
}
BENCHMARK(BM_WorstCaseAndRss)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ToleranceConsole(benchmark::State& state)
{
    const fs::path orvik = fs::canonical("/proc/self/exe").parent_path() / "orvik";
    std::vector<std::string> args = {orvik.string(), "--formula", kFormula.string()};
    for (const auto& [name, text] : kTolerances) {
        args.push_back("--tolerance");
        args.push_back(name + "=" + text);
    }
    for (auto _ : state)
        state.SetIterationTime(orvik::TimeRun(args, "/dev/null", "/dev/null"));
}
BENCHMARK(BM_ToleranceConsole)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
