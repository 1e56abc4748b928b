// CompiledText against EvaluateText on arbitrary bytes: twin engines with
// the same table, whose hosts give the same answers, evaluate the text
// four times, the values and the angle mode changed in between, one through
// its compiled form. Values (bit for bit), tables, messages and prompts
// must agree. The input is one byte of options (bit 0: radians; bit 1:
// start with variables; bit 2: the table restored before each evaluation,
// as the formula library evaluates again), the statement text, then the
// answers to the value prompts, as FuzzedDataProvider reads strings; a
// prompt after the last answer is cancelled.
#include <bit>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/compiled_text.h"
#include "fuzz_check.h"

namespace {

using orvik::CompiledText;
using orvik::Engine;
using orvik::VariableTable;

// Each name gets the next answer the first time it is asked and the same
// answer whenever it is asked again, as the formula library answers.
class ScriptedHost : public orvik::EngineHost {
public:
    explicit ScriptedHost(const std::vector<std::string>& answers) : answers_(answers) {}

    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    bool PromptValue(std::string_view prompt, std::string& entry) override
    {
        prompts.emplace_back(prompt);
        auto answer = given_.find(prompt);
        if (answer == given_.end()) {
            const bool left = next_ < answers_.size();
            answer = given_.emplace(std::string(prompt), left ? std::optional(answers_[next_++]) : std::nullopt).first;
        }
        if (!answer->second)
            return false;
        entry = *answer->second;
        return true;
    }

    std::vector<std::string> messages;
    std::vector<std::string> prompts;

private:
    const std::vector<std::string>& answers_;
    size_t next_ = 0;
    std::map<std::string, std::optional<std::string>, std::less<>> given_;
};

struct Twin {
    explicit Twin(const std::vector<std::string>& answers, bool variables) : host(answers)
    {
        if (variables) {
            std::string text = "x=5;y=2;r=3;w=1;a=0";
            engine->EvaluateText(text);
        }
        start = engine->Variables();
    }
    // Back to the values of the start; what was created since stays.
    void Restore()
    {
        VariableTable& table = engine->Variables();
        for (int i = 0; i < start.Count(); ++i)
            table[i].value = start[i].value;
    }
    void Change(int round)
    {
        VariableTable& table = engine->Variables();
        if (round == 1) {
            for (int i = 0; i < table.Count(); ++i)
                table[i].value = table[i].value * -1.5 + 0.25;
        } else if (round == 2) {
            engine->SetAngleMode(engine->CurrentAngleMode() == orvik::AngleMode::Degrees
                                     ? orvik::AngleMode::Radians
                                     : orvik::AngleMode::Degrees);
        }
    }

    ScriptedHost host;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>(host);
    VariableTable start;
};

void CheckSame(const Twin& plain, const Twin& compiled)
{
    const VariableTable& a = plain.engine->Variables();
    const VariableTable& b = compiled.engine->Variables();
    FUZZ_CHECK(a.Count() == b.Count());
    for (int i = 0; i < a.Count(); ++i) {
        FUZZ_CHECK(a[i].Name() == b[i].Name());
        FUZZ_CHECK(std::bit_cast<uint64_t>(a[i].value) == std::bit_cast<uint64_t>(b[i].value));
        FUZZ_CHECK(a[i].origin == b[i].origin);
    }
    FUZZ_CHECK(plain.host.messages == compiled.host.messages);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const uint8_t options = input.ConsumeIntegral<uint8_t>();
    const bool radians = options & 1, variables = options & 2, restored = options & 4;
    const std::string text = input.ConsumeRandomLengthString();
    std::vector<std::string> answers;
    while (input.remaining_bytes() > 0)
        answers.push_back(input.ConsumeRandomLengthString(64));

    Twin plain(answers, variables), compiled(answers, variables);
    for (Twin* twin : {&plain, &compiled})
        twin->engine->SetAngleMode(radians ? orvik::AngleMode::Radians : orvik::AngleMode::Degrees);
    CompiledText compiled_text(*compiled.engine, text,
                               restored ? CompiledText::Creations::kRecreated : CompiledText::Creations::kKept);
    for (int round = 0; round < 4; ++round) {
        for (Twin* twin : {&plain, &compiled}) {
            if (restored)
                twin->Restore();
            twin->Change(round);
        }
        if (restored)
            plain.engine->Variables().CutBack(plain.start.Count());
        std::string copy = text;
        const double expected = plain.engine->EvaluateText(copy);
        const double actual = compiled_text.Evaluate();
        FUZZ_CHECK(std::bit_cast<uint64_t>(expected) == std::bit_cast<uint64_t>(actual));
        CheckSame(plain, compiled);
        // Where the table is cut back, a name is asked again on one side.
        if (!restored)
            FUZZ_CHECK(plain.host.prompts == compiled.host.prompts);
    }
    return 0;
}
