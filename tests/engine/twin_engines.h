#pragma once

// Two engines with the same table and hosts that give the same answers:
// one compiles and evaluates a text each time (EvaluateText), the other
// evaluates it through its compiled form (CompiledText). Shared by the
// differential test and the fuzz target that compare them.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/compiled_text.h"

namespace orvik::testing {

// Records messages and prompts. Each name gets the next answer the first
// time it is asked (none left: Cancel) and the same one whenever it is
// asked again, as the formula library answers.
class ScriptedHost : public EngineHost {
public:
    explicit ScriptedHost(std::vector<std::string> answers) : answers_(std::move(answers)) {}

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

    // The names asked, each once.
    std::vector<std::string> Asked() const
    {
        std::vector<std::string> asked;
        for (const std::string& prompt : prompts) {
            if (std::find(asked.begin(), asked.end(), prompt) == asked.end())
                asked.push_back(prompt);
        }
        return asked;
    }

    std::vector<std::string> messages;
    std::vector<std::string> prompts;

private:
    std::vector<std::string> answers_;
    size_t next_ = 0;
    std::map<std::string, std::optional<std::string>, std::less<>> given_;
};

// The table before the first evaluation: empty, some variables, 400 of
// them, or some variables and a lookup scope after them that holds one.
enum class Start { kEmpty, kVariables, kFull, kScoped };

class TwinEngines {
public:
    static constexpr int kRounds = 6;

    TwinEngines(const std::string& text, Start start, AngleMode mode, CompiledText::Creations creations,
                const std::vector<std::string>& answers)
        : text_(text), plain_host_(answers), compiled_host_(answers), creations_(creations)
    {
        for (Engine* engine : {plain_.get(), compiled_.get()}) {
            Prepare(*engine, start);
            engine->SetAngleMode(mode);
        }
        start_ = plain_->Variables();
        compiled_text_ = std::make_unique<CompiledText>(*compiled_, text, creations);
    }

    // Evaluates on both after the same change (values changed in round 1,
    // the angle mode in round 2, the table cut back in round 3): what
    // differs, empty when nothing does.
    std::string Round(int round)
    {
        const bool recreated = creations_ == CompiledText::Creations::kRecreated;
        for (Engine* engine : {plain_.get(), compiled_.get()}) {
            VariableTable& table = engine->Variables();
            if (recreated) {  // the variables there were get their values back
                for (int i = 0; i < start_.Count(); ++i)
                    table[i].value = start_[i].value;
            }
            if (round == 1) {
                for (int i = 0; i < table.Count(); ++i)
                    table[i].value = table[i].value * -1.5 + 0.25;
            } else if (round == 2) {
                engine->SetAngleMode(engine->CurrentAngleMode() == AngleMode::Degrees ? AngleMode::Radians
                                                                                       : AngleMode::Degrees);
            } else if (round == 3 && !recreated) {
                table.CutBack(table.Count() - 2);
            }
        }
        if (recreated)  // what was created is created again
            plain_->Variables().CutBack(start_.Count());
        std::string copy = text_;
        const double expected = plain_->EvaluateText(copy);
        const double actual = compiled_text_->Evaluate();
        if (std::bit_cast<uint64_t>(expected) != std::bit_cast<uint64_t>(actual))
            return "value " + std::to_string(expected) + " against " + std::to_string(actual);
        if (plain_host_.messages != compiled_host_.messages)
            return "messages";
        // A table cut back asks again on one side only.
        if (recreated ? plain_host_.Asked() != compiled_host_.Asked() : plain_host_.prompts != compiled_host_.prompts)
            return "prompts";
        return TableDifference(plain_->Variables(), compiled_->Variables());
    }

    int Replayed() const { return compiled_text_->ReplayedCount(); }

private:
    static void Prepare(Engine& engine, Start start)
    {
        if (start == Start::kEmpty)
            return;
        std::string text = "x=5;y=2;r=3;w=1;a=0;m=99;n=5;k=1";
        engine.EvaluateText(text);
        VariableTable& table = engine.Variables();
        for (int i = 0; start == Start::kFull && !table.Full(); ++i) {
            text = std::string("v").append(std::to_string(i)).append("=1");
            engine.EvaluateText(text);
        }
        if (start == Start::kScoped) {
            table.SetScope(table.Count());
            table.Append("m", 2, origin::kInput);
        }
    }

    static std::string TableDifference(const VariableTable& a, const VariableTable& b)
    {
        if (a.Count() != b.Count())
            return "count " + std::to_string(a.Count()) + " against " + std::to_string(b.Count());
        for (int i = 0; i < a.Count(); ++i) {
            if (a[i].Name() != b[i].Name() || std::bit_cast<uint64_t>(a[i].value) != std::bit_cast<uint64_t>(b[i].value)
                || a[i].origin != b[i].origin || a[i].reserved != b[i].reserved)
                return "entry " + std::to_string(i) + " " + std::string(a[i].Name());
        }
        return "";
    }

    std::string text_;
    ScriptedHost plain_host_, compiled_host_;
    std::unique_ptr<Engine> plain_ = std::make_unique<Engine>(plain_host_);
    std::unique_ptr<Engine> compiled_ = std::make_unique<Engine>(compiled_host_);
    CompiledText::Creations creations_;
    VariableTable start_;
    std::unique_ptr<CompiledText> compiled_text_;
};

}  // namespace orvik::testing
