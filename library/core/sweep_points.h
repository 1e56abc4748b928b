#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvik {

enum class SweepSpacing { Linear, Logarithmic };

inline constexpr int kSweepPointsMax = 10000;

// The values a sweep gives its input: from `from` to `to`, either a step
// apart (linear: the difference of neighbours; logarithmic: their ratio) or
// `count` points evenly spread, on a logarithmic axis evenly in the
// logarithm.
struct SweepRange {
    double from = 0;
    double to = 0;
    bool by_count = false;
    double step = 0;
    int count = 0;
    SweepSpacing spacing = SweepSpacing::Linear;
};

struct SweepPoints {
    std::vector<double> values;
    std::string message;  // GBK; empty when the range is good
};

// What is wrong with the ends of a range: not numbers, or the same;
// empty when they make one.
std::string RangeEndsMessage(double from, double to);

// The points of `range`, first to last. A step that does not divide the
// range stops short of `to`; one that reaches it within rounding ends
// exactly on it. A range that cannot be swept gets its message instead.
SweepPoints MakeSweepPoints(const SweepRange& range);

// A range as the user typed it: numbers as text, `amount` being the step
// (the ratio on a logarithmic axis) or the number of points.
struct SweepRangeTexts {
    std::string from;
    std::string to;
    std::string amount;
    bool by_count = false;
    SweepSpacing spacing = SweepSpacing::Linear;
};

struct SweepRangeReading {
    SweepRange range;
    SweepPoints points;  // the message names the first entry that is wrong
};

SweepRangeReading ReadSweepRange(const SweepRangeTexts& texts);

// What the step is called: "步长", or "倍率" for a logarithmic sweep.
std::string_view SweepAmountName(SweepSpacing spacing);

}  // namespace orvik
