#pragma once

#include <string>
#include <vector>

namespace orvik {

// Starting another program without waiting for it; tests put in one that
// fails or records what it was asked to start.
class ProcessStart {
public:
    virtual ~ProcessStart() = default;

    // Starts `program` (its own path is argument 0) with `arguments` after it
    // and returns at once; false when it could not be started. Paths are in
    // the file system's encoding.
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

}  // namespace orvik
