#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_host.h"

namespace orvik::testing {

// Records every message and prompt; answers prompts from a script
// (nullopt = Cancel; an empty script cancels).
class FakeHost : public EngineHost {
public:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    bool PromptValue(std::string_view prompt, std::string& entry) override
    {
        prompts.emplace_back(prompt);
        initial_entries.push_back(entry);
        if (answers.empty() || !answers.front()) {
            if (!answers.empty())
                answers.pop_front();
            return false;
        }
        entry = *answers.front();
        answers.pop_front();
        return true;
    }

    std::vector<std::string> messages;
    std::vector<std::string> prompts;
    std::vector<std::string> initial_entries;
    std::deque<std::optional<std::string>> answers;
};

}  // namespace orvik::testing
