// Times Orvik's EvaluateText (compile + evaluate, as every evaluation in the
// program does) against muparser doing the same work (set the expression,
// evaluate), statement by statement, and checks that an Orvik evaluation
// allocates nothing.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <muParser.h>

#include "allocation_counter.h"
#include "corpus.h"
#include "engine/engine.h"
#include "platform/gbk.h"

namespace {

class SilentHost : public orvik::EngineHost {
public:
    void ShowMessage(std::string_view) override { ++messages; }
    bool PromptValue(std::string_view, std::string&) override { return false; }
    int messages = 0;
};

constexpr const char* kVariables[] = {"x", "y", "r", "x1", "y1", "a", "b", "m",
                                      "z", "d", "da", "df", "w"};

struct OrvikRunner {
    OrvikRunner() : engine(std::make_unique<orvik::Engine>(host))
    {
        engine->SetAngleMode(orvik::AngleMode::Radians);
        for (const char* name : kVariables)
            Evaluate(std::string(name) + "=0");
        Evaluate("x=3;y=4");
        work.reserve(4096);
    }
    double Evaluate(const char* text)
    {
        work.assign(text);  // the caller's copy; capacity is already there
        return engine->EvaluateText(work);
    }
    double Evaluate(const std::string& text) { return Evaluate(text.c_str()); }

    SilentHost host;
    std::unique_ptr<orvik::Engine> engine;
    std::string work;
};

struct MuparserRunner {
    MuparserRunner()
    {
        for (const char* name : kVariables)
            parser.DefineVar(name, &values[name]);
        values["x"] = 3;
        values["y"] = 4;
    }
    double Evaluate(const char* text)
    {
        parser.SetExpr(text);
        return parser.Eval();
    }

    std::map<std::string, double> values;
    mu::Parser parser;
};

OrvikRunner& Orvik()
{
    static OrvikRunner runner;
    return runner;
}

MuparserRunner& Muparser()
{
    static MuparserRunner runner;
    return runner;
}

// Both engines must agree before their times mean anything.
bool CheckAgreement()
{
    OrvikRunner orvik;
    MuparserRunner muparser;
    bool agree = true;
    for (const BenchStatement& statement : kCorpus) {
        const double ours = orvik.Evaluate(statement.orvik);
        if (!statement.muparser)
            continue;
        const double theirs = muparser.Evaluate(statement.muparser);
        if (std::fabs(ours - theirs) > 1e-9 * std::fmax(1.0, std::fabs(theirs))) {
            std::printf("disagree: %s -> %.17g, muparser %s -> %.17g\n", statement.orvik, ours,
                        statement.muparser, theirs);
            agree = false;
        }
    }
    return agree && orvik.host.messages == 0;
}

bool CheckNoAllocation()
{
    OrvikRunner& orvik = Orvik();
    for (const BenchStatement& statement : kCorpus)
        orvik.Evaluate(statement.orvik);  // variables exist from here on
    const std::size_t before = AllocationCount();
    for (int round = 0; round < 100; ++round) {
        for (const BenchStatement& statement : kCorpus)
            orvik.Evaluate(statement.orvik);
    }
    const std::size_t allocations = AllocationCount() - before;
    std::printf("allocations in %zu evaluations: %zu\n", 100 * std::size(kCorpus), allocations);
    return allocations == 0;
}

// Collects the time per iteration of every run for the summary.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
};

std::string Label(size_t index, const char* engine)
{
    return std::string(engine) + "/" + std::to_string(index);
}

void RegisterBenchmarks()
{
    for (size_t i = 0; i < std::size(kCorpus); ++i) {
        const BenchStatement statement = kCorpus[i];
        benchmark::RegisterBenchmark(Label(i, "orvik").c_str(), [statement](benchmark::State& state) {
            OrvikRunner& orvik = Orvik();
            for (auto _ : state)
                benchmark::DoNotOptimize(orvik.Evaluate(statement.orvik));
        });
        if (!statement.muparser)
            continue;
        benchmark::RegisterBenchmark(Label(i, "muparser").c_str(), [statement](benchmark::State& state) {
            MuparserRunner& muparser = Muparser();
            for (auto _ : state)
                benchmark::DoNotOptimize(muparser.Evaluate(statement.muparser));
        });
    }
}

void PrintSummary(const std::map<std::string, double>& ns)
{
    std::printf("\n%-4s %10s %10s  %s\n", "#", "orvik ns", "muparser", "statement");
    double ours_total = 0, theirs_total = 0;
    for (size_t i = 0; i < std::size(kCorpus); ++i) {
        const auto ours = ns.find(Label(i, "orvik"));
        const auto theirs = ns.find(Label(i, "muparser"));
        if (ours == ns.end())
            continue;
        const std::string text = orvik::GbkToUtf8(kCorpus[i].orvik);
        if (theirs == ns.end()) {
            std::printf("%-4zu %10.0f %10s  %s\n", i, ours->second, "-", text.c_str());
            continue;
        }
        std::printf("%-4zu %10.0f %10.0f  %s\n", i, ours->second, theirs->second, text.c_str());
        ours_total += ours->second;
        theirs_total += theirs->second;
    }
    if (ours_total > 0)
        std::printf("speed ratio orvik/muparser: %.1f\n", theirs_total / ours_total);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const bool agree = CheckAgreement();
    const bool no_allocation = CheckNoAllocation();
    std::printf("results agree with muparser: %s\nevaluation allocates nothing: %s\n",
                agree ? "yes" : "NO", no_allocation ? "yes" : "NO");
    RegisterBenchmarks();
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintSummary(reporter.nanoseconds);
    return agree && no_allocation ? 0 : 1;
}
