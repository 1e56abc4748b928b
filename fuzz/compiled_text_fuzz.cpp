// CompiledText against EvaluateText on arbitrary bytes (see
// tests/engine/twin_engines.h): values, tables, messages and prompts must
// agree round after round. The input is one byte of options (bit 0:
// radians; bit 1: start with variables; bit 2: the table restored before
// each evaluation, as the formula library evaluates again; bit 3: start
// with variables and a lookup scope after them), the statement
// text, then the answers to the value prompts, as FuzzedDataProvider reads
// strings; a name asked after the last answer is cancelled.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "tests/engine/twin_engines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using orvik::CompiledText;
    using orvik::testing::Start;
    FuzzedDataProvider input(data, size);
    const uint8_t options = input.ConsumeIntegral<uint8_t>();
    const std::string text = input.ConsumeRandomLengthString();
    std::vector<std::string> answers;
    while (input.remaining_bytes() > 0)
        answers.push_back(input.ConsumeRandomLengthString(64));
    orvik::testing::TwinEngines twins(
        text, options & 8 ? Start::kScoped : options & 2 ? Start::kVariables : Start::kEmpty,
        options & 1 ? orvik::AngleMode::Radians : orvik::AngleMode::Degrees,
        options & 4 ? CompiledText::Creations::kRecreated : CompiledText::Creations::kKept, answers);
    for (int round = 0; round < orvik::testing::TwinEngines::kRounds; ++round) {
        const std::string difference = twins.Round(round);
        if (!difference.empty())
            std::fprintf(stderr, "round %d: %s\n", round, difference.c_str());
        FUZZ_CHECK(difference.empty());
    }
    return 0;
}
