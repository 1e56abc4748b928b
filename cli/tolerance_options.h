#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "library/core/tolerance_methods.h"

namespace orvik {

// --tolerance NAME=TOLERANCE (repeatable), --normal, --samples N and --seed S:
// the tolerance analysis of a --formula.
struct ToleranceRequest {
    std::vector<std::string> tolerances;  // NAME=TOLERANCE (UTF-8); none: no analysis
    ToleranceSettings settings;
};

// The options as they come, checked together once all are in.
struct ToleranceOptions {
    std::vector<std::string> tolerances;
    bool normal = false;
    std::string samples;
    std::string seed;
    bool given = false;
    std::string missing;  // an option whose value is missing
};

// Takes argv[i], and its value after it, when it is one of the options.
bool TakeToleranceOption(int argc, const char* const* argv, int& i, ToleranceOptions& options);

// The request the options make; the reason they make none (UTF-8), or an
// empty text when they do. `other`: the option of another analysis given
// too (--sweep, --solve), or empty.
std::string ReadToleranceOptions(const ToleranceOptions& options, bool with_formula, std::string_view other,
                                 ToleranceRequest& request);

}  // namespace orvik
