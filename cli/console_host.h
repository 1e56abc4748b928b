#pragma once

#include <iosfwd>

#include "engine/engine_host.h"

namespace orvik {

// The engine's host on a terminal: messages go to `errors`, one per message;
// an unknown name is asked there as "NAME = " and answered by one line of
// `input`. At the end of input the answer is Cancel.
class ConsoleHost : public EngineHost {
public:
    ConsoleHost(std::istream& input, std::ostream& errors) : input_(input), errors_(errors) {}

    void ShowMessage(std::string_view text) override;
    bool PromptValue(std::string_view prompt, std::string& entry) override;

private:
    std::istream& input_;
    std::ostream& errors_;
};

}  // namespace orvik
