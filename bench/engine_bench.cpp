// Times Orvik against muparser statement by statement, in one run:
// - once: Orvik's EvaluateText (compile + evaluate, as every evaluation in
//   the calculator does) against muparser setting the expression and
//   evaluating it;
// - compiled: a statement compiled once and evaluated many times (Orvik's
//   CompiledText, as sweeps evaluate) against muparser evaluating an
//   expression it has already parsed.
// Checks first that both compute the same values and that an Orvik
// evaluation allocates nothing. Each benchmark is repeated, the repetitions
// interleaved at random; the summary takes the medians.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <muParser.h>

#include "allocation_counter.h"
#include "corpus.h"
#include "engine/compiled_text.h"
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
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                nanoseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
};

std::string Label(size_t index, const char* engine, const char* way)
{
    return std::string(way) + "/" + engine + "/" + std::to_string(index);
}

void RegisterBenchmarks()
{
    for (size_t i = 0; i < std::size(kCorpus); ++i) {
        const BenchStatement statement = kCorpus[i];
        benchmark::RegisterBenchmark(Label(i, "orvik", "once").c_str(), [statement](benchmark::State& state) {
            OrvikRunner& orvik = Orvik();
            for (auto _ : state)
                benchmark::DoNotOptimize(orvik.Evaluate(statement.orvik));
        });
        benchmark::RegisterBenchmark(Label(i, "orvik", "compiled").c_str(), [statement](benchmark::State& state) {
            orvik::CompiledText compiled(*Orvik().engine, statement.orvik);
            compiled.Evaluate();  // creates what the statement creates
            for (auto _ : state)
                benchmark::DoNotOptimize(compiled.Evaluate());
        });
        if (!statement.muparser)
            continue;
        benchmark::RegisterBenchmark(Label(i, "muparser", "once").c_str(), [statement](benchmark::State& state) {
            MuparserRunner& muparser = Muparser();
            for (auto _ : state)
                benchmark::DoNotOptimize(muparser.Evaluate(statement.muparser));
        });
        benchmark::RegisterBenchmark(Label(i, "muparser", "compiled").c_str(), [statement](benchmark::State& state) {
            mu::Parser& parser = Muparser().parser;
            parser.SetExpr(statement.muparser);
            parser.Eval();  // parses
            for (auto _ : state)
                benchmark::DoNotOptimize(parser.Eval());
        });
    }
}

// The time per evaluation of both and their ratio, statement by statement,
// and the median of the ratios.
void PrintSummary(const std::map<std::string, double>& ns, const char* way)
{
    std::printf("\n%s\n%-4s %10s %10s %6s  %s\n", way, "#", "orvik ns", "muparser", "ratio", "statement");
    std::vector<double> ratios;
    for (size_t i = 0; i < std::size(kCorpus); ++i) {
        const auto ours = ns.find(Label(i, "orvik", way));
        const auto theirs = ns.find(Label(i, "muparser", way));
        if (ours == ns.end())
            continue;
        const std::string text = orvik::GbkToUtf8(kCorpus[i].orvik);
        if (theirs == ns.end()) {
            std::printf("%-4zu %10.1f %10s %6s  %s\n", i, ours->second, "-", "-", text.c_str());
            continue;
        }
        ratios.push_back(theirs->second / ours->second);
        std::printf("%-4zu %10.1f %10.1f %6.2f  %s\n", i, ours->second, theirs->second, ratios.back(),
                    text.c_str());
    }
    if (ratios.empty())
        return;
    std::sort(ratios.begin(), ratios.end());
    const size_t n = ratios.size();
    std::printf("median of muparser / orvik: %.2f\n", (ratios[(n - 1) / 2] + ratios[n / 2]) / 2);
}

}  // namespace

int main(int argc, char** argv)
{
    // Repeated and interleaved unless the command line says otherwise: the
    // machine's speed drifts over a run.
    std::vector<char*> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9", interleaving = "--benchmark_enable_random_interleaving=true",
                aggregates = "--benchmark_report_aggregates_only=true";
    arguments.insert(arguments.begin() + 1, {repetitions.data(), interleaving.data(), aggregates.data()});
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    const bool agree = CheckAgreement();
    const bool no_allocation = CheckNoAllocation();
    std::printf("results agree with muparser: %s\nevaluation allocates nothing: %s\n",
                agree ? "yes" : "NO", no_allocation ? "yes" : "NO");
    RegisterBenchmarks();
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintSummary(reporter.nanoseconds, "once");
    PrintSummary(reporter.nanoseconds, "compiled");
    return agree && no_allocation ? 0 : 1;
}
