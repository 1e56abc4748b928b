#pragma once

#include <string>
#include <vector>

#include "platform/process_start.h"

namespace orvik {

// Records what it is asked to start and starts nothing; `fail` makes every
// start fail, as a missing program does.
class FakeProcessStart : public ProcessStart {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };

    bool fail = false;
    std::vector<Start> started;

    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override
    {
        started.push_back({program, arguments});
        return !fail;
    }
};

}  // namespace orvik
