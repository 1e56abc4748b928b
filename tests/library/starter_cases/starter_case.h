#pragma once

// One reference case of a shipped formula: the inputs typed into the formula
// dialog's value cells, the results expected after computing, and where the
// expected values come from. Each category's cases live in a file of their
// own beside this one and register themselves with one StarterCases object;
// the tests find them all. Texts are UTF-8, like the library's file names.
#include <initializer_list>
#include <vector>

namespace orvik::testing {

struct Expected {
    const char* name;
    double value;
    // Relative to the value (to 0.001 for values nearer 0). Values read from
    // a table or a book carry the tolerance of their rounding.
    double tolerance = 1e-6;
};

struct StarterCase {
    const char* file;  // category/formula.tfl, relative to the starter library
    // NAME=VALUE for each input that differs from the formula's default, typed
    // into its value cell and entered there (VALUE may be an expression).
    std::vector<const char*> inputs;
    std::vector<Expected> results;
    // Where the expected values come from: a standard and its table, a book
    // with its edition and example, or "derived: " and how they were worked
    // out without the formula under test.
    const char* source;
};

// Every registered case, in registration order.
const std::vector<StarterCase>& AllStarterCases();

// Registers the cases of one category (a static object in its file).
class StarterCases {
public:
    StarterCases(std::initializer_list<StarterCase> cases);
};

}  // namespace orvik::testing
