#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvik {

// The values an input may take: from `low` to `high`, both included. The
// middle and the half-width are worked out from the deviations rather than
// from the ends, so that the middle of ±T is the value itself.
struct ToleranceRange {
    double low = 0;
    double high = 0;
    double middle = 0;
    double half_width = 0;
};

// A tolerance as it is written (GBK), read for an input of value `value`:
// - "±T" or "+-T": value - T to value + T;
// - "+A/-B", two signed deviations: value + the smaller to value + the
//   larger ("+0.021/0", "-0.007/-0.020");
// - "P%": value minus to value plus P percent of its magnitude.
// T and P are not negative. Blanks around the text and its numbers are
// allowed. nullopt for any other text, and for a range beyond the numbers.
std::optional<ToleranceRange> ReadTolerance(std::string_view text, double value);

// The message about a text that ReadTolerance does not take, for the input
// `name`, with the forms it takes (GBK).
std::string ToleranceMessage(std::string_view name, std::string_view text);

}  // namespace orvik
