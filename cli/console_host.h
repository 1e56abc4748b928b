#pragma once

#include "engine/engine_host.h"

namespace orvik {

class ConsoleInput;
class ConsoleOutput;

// The engine's host on a terminal: messages go to standard error, one per
// message; an unknown name is asked as "NAME = " and answered by one line of
// `input`. At the end of input the answer is Cancel.
class ConsoleHost : public EngineHost {
public:
    ConsoleHost(ConsoleInput& input, ConsoleOutput& output) : input_(input), output_(output) {}

    void ShowMessage(std::string_view text) override;
    bool PromptValue(std::string_view prompt, std::string& entry) override;

private:
    ConsoleInput& input_;
    ConsoleOutput& output_;
};

}  // namespace orvik
