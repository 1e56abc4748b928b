// EvaluateText on arbitrary bytes. One engine serves every input, as the one
// engine of the program serves every evaluation, so its variable table fills
// up in the course of a run. The input is the statement text, then the
// answers to the value prompts, as FuzzedDataProvider reads strings (a
// backslash and one more byte end each, "\\" stands for a backslash); a
// prompt after the last answer is cancelled. An odd-sized input runs in
// radians.
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/engine.h"
#include "fuzz_check.h"

namespace {

class AnsweringHost : public orvik::EngineHost {
public:
    void ShowMessage(std::string_view text) override { FUZZ_CHECK(!text.empty()); }

    bool PromptValue(std::string_view prompt, std::string& entry) override
    {
        FUZZ_CHECK(!prompt.empty() && prompt.size() <= orvik::VariableTable::kNameMax);
        if (!answers || answers->remaining_bytes() == 0)
            return false;
        entry = answers->ConsumeRandomLengthString(64);
        return true;
    }

    FuzzedDataProvider* answers = nullptr;
};

void CheckVariables(const orvik::VariableTable& variables)
{
    FUZZ_CHECK(variables.Count() >= 0 && variables.Count() <= orvik::VariableTable::kCapacity);
    for (int i = 0; i < variables.Count(); ++i)
        FUZZ_CHECK(variables[i].Name().size() <= orvik::VariableTable::kNameMax);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static AnsweringHost host;
    static orvik::Engine engine(host);
    FuzzedDataProvider input(data, size);
    std::string text = input.ConsumeRandomLengthString();
    host.answers = &input;
    engine.SetAngleMode(size % 2 ? orvik::AngleMode::Radians : orvik::AngleMode::Degrees);
    engine.EvaluateText(text);
    host.answers = nullptr;
    CheckVariables(engine.Variables());
    return 0;
}
