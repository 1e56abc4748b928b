#pragma once

#include <optional>
#include <string>

namespace orvik {

// --solve INPUT --target RESULT=VALUE [--range FROM:TO], as typed (UTF-8).
struct SolveArguments {
    std::string input;  // empty: nothing to solve
    std::string result;
    std::string target;
    bool has_range = false;
    std::string from;
    std::string to;
};

// The options of solving, gathered while the command line is read and
// checked together at its end.
class SolveOptions {
public:
    // Takes argv[i] when it is an option of solving, and the value after
    // it (i moves on to it); false for any other argument.
    bool Take(int argc, const char* const* argv, int& i);

    // The arguments of solving, or what is wrong with them; `formula` and
    // `sweep` say whether --formula and --sweep were given.
    std::string Check(bool formula, bool sweep, SolveArguments& arguments) const;

private:
    std::string error_;  // an option without its value
    std::optional<std::string> input_;
    std::optional<std::string> target_;
    std::optional<std::string> range_;
};

}  // namespace orvik
