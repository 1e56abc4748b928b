#pragma once

#include "platform/process_start.h"

namespace orvik {

// Starts nothing; records each request and fails all when asked to.
struct FakeProcessStart : ProcessStart {
    bool fail = false;
    std::vector<std::vector<std::string>> started;  // program, then its arguments

    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override
    {
        started.push_back({program});
        started.back().insert(started.back().end(), arguments.begin(), arguments.end());
        return !fail;
    }
};

}  // namespace orvik
