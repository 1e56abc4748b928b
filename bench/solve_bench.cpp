// Times solving the shipped contact-ratio formula backwards: the pinion's
// number of teeth z1 for a contact ratio of 1.6, searched from 12 to 200,
// in-process (the formula compiled once, then the scan and refinement).
// Reports the evaluations used and the root found.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/engine.h"
#include "engine/engine_host.h"
#include "library/core/formula_sheet.h"
#include "library/core/formula_solve.h"

namespace {

class QuietHost : public orvik::EngineHost {
public:
    void ShowMessage(std::string_view) override {}
    bool PromptValue(std::string_view, std::string&) override { return false; }
};

void BM_SolveContactRatioForTeeth(benchmark::State& state)
{
    QuietHost host;
    const auto engine = std::make_unique<orvik::Engine>(host);
    orvik::FormulaSheet sheet(*engine);
    // File names are UTF-8, the program's texts GBK.
    const std::filesystem::path file = std::filesystem::path(ORVIK_STARTER_LIBRARY_DIR) / u8"齿轮/直齿轮端面重合度.tfl";
    if (sheet.Open(file).status != orvik::FormulaReadStatus::Complete) {
        state.SkipWithError("the formula could not be read");
        return;
    }
    const orvik::SolvePlan plan{sheet.FindInputRow("z1"), "εα", 1.6, 12, 200};
    orvik::SolveResult result;
    for (auto _ : state) {
        result = orvik::RunSolve(sheet, plan, host);
        benchmark::DoNotOptimize(result.search.roots.data());
    }
    if (result.search.roots.size() != 1) {
        state.SkipWithError("not one root");
        return;
    }
    state.counters["evaluations"] = result.search.evaluations;
    state.counters["z1"] = result.search.roots[0].x;
}
BENCHMARK(BM_SolveContactRatioForTeeth)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
