#include "library/core/sweep_points.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "library/core/number_entry.h"

namespace orvik {
namespace {

// Said both of a range typed and of one given as numbers.
constexpr std::string_view kFromNotANumber = "起始值不是一个数";
constexpr std::string_view kToNotANumber = "终止值不是一个数";

// How close to a whole number of steps the range must come for its end to
// count as reached, relative to that number: 0:1:0.1 is ten steps of 0.1
// even though ten of them add up to a little less than 1.
constexpr double kEndTolerance = 1e-9;

SweepPoints Refused(std::string message)
{
    return {{}, std::move(message)};
}

struct StepCount {
    int steps = 0;
    bool reaches_end = false;
};

// A range `q` steps long: its whole steps, or nullopt when they make more
// points than a sweep may have.
std::optional<StepCount> CountSteps(double q)
{
    if (!(q < kSweepPointsMax))
        return std::nullopt;
    const double nearest = std::round(q);
    const StepCount count = std::abs(q - nearest) <= kEndTolerance * std::max(1.0, q)
                                ? StepCount{static_cast<int>(nearest), true}
                                : StepCount{static_cast<int>(std::floor(q)), false};
    if (count.steps + 1 > kSweepPointsMax)
        return std::nullopt;
    return count;
}

// `steps` + 1 points of which point i is `point(i)`, the last exactly `to`
// when the steps reach it.
template <typename Point>
SweepPoints Stepped(const SweepRange& range, double q, Point point)
{
    if (!(q >= 0))
        return Refused(std::string(SweepAmountName(range.spacing))
                       + (range.spacing == SweepSpacing::Linear ? "的正负与扫描方向不符" : "与扫描方向不符"));
    const std::optional<StepCount> count = CountSteps(q);
    if (!count)
        return Refused("扫描点数不能超过10000");
    if (count->steps == 0)
        return Refused(std::string(SweepAmountName(range.spacing)) + "超出了扫描范围");
    SweepPoints points;
    points.values.reserve(count->steps + 1);
    for (int i = 0; i <= count->steps; ++i)
        points.values.push_back(point(i));
    if (count->reaches_end)
        points.values.back() = range.to;
    return points;
}

SweepPoints ByStep(const SweepRange& range)
{
    if (range.spacing == SweepSpacing::Linear) {
        if (range.step == 0)
            return Refused("步长不能为0");
        return Stepped(range, (range.to - range.from) / range.step,
                       [&](int i) { return range.from + i * range.step; });
    }
    if (!(range.step > 0) || range.step == 1)
        return Refused("倍率必须大于0且不等于1");
    // In the logarithm, as a power of the ratio would overflow (or vanish)
    // before the product with `from` comes back into range.
    const double log_from = std::log(range.from);
    const double log_step = std::log(range.step);
    const double low = std::min(range.from, range.to);
    const double high = std::max(range.from, range.to);
    return Stepped(range, (std::log(range.to) - log_from) / log_step, [&](int i) {
        return i == 0 ? range.from : std::clamp(std::exp(log_from + i * log_step), low, high);
    });
}

// Evenly spread, on a logarithmic axis in the decimal logarithm, so that a
// range of whole decades meets every power of ten exactly.
SweepPoints ByCount(const SweepRange& range)
{
    if (range.count < 2 || range.count > kSweepPointsMax)
        return Refused("点数应为2到10000之间的整数");
    const bool linear = range.spacing == SweepSpacing::Linear;
    const double from = linear ? range.from : std::log10(range.from);
    const double to = linear ? range.to : std::log10(range.to);
    SweepPoints points;
    points.values.reserve(range.count);
    for (int i = 0; i < range.count; ++i) {
        const double t = std::lerp(from, to, static_cast<double>(i) / (range.count - 1));
        points.values.push_back(linear ? t : std::pow(10.0, t));
    }
    points.values.front() = range.from;
    points.values.back() = range.to;
    return points;
}

}  // namespace

std::string RangeEndsMessage(double from, double to)
{
    if (!std::isfinite(from))
        return std::string(kFromNotANumber);
    if (!std::isfinite(to))
        return std::string(kToNotANumber);
    if (from == to)
        return "起始值和终止值不能相同";
    return {};
}

SweepPoints MakeSweepPoints(const SweepRange& range)
{
    if (std::string message = RangeEndsMessage(range.from, range.to); !message.empty())
        return Refused(std::move(message));
    if (range.spacing == SweepSpacing::Logarithmic && !(range.from > 0 && range.to > 0))
        return Refused("对数刻度的起始值和终止值必须大于0");
    return range.by_count ? ByCount(range) : ByStep(range);
}

std::string_view SweepAmountName(SweepSpacing spacing)
{
    return spacing == SweepSpacing::Linear ? "步长" : "倍率";
}

SweepRangeReading ReadSweepRange(const SweepRangeTexts& texts)
{
    SweepRangeReading reading;
    SweepRange& range = reading.range;
    range.by_count = texts.by_count;
    range.spacing = texts.spacing;
    const std::optional<double> from = ReadNumberEntry(texts.from);
    const std::optional<double> to = ReadNumberEntry(texts.to);
    const std::optional<double> amount = ReadNumberEntry(texts.amount);
    if (!from) {
        reading.points.message = kFromNotANumber;
    } else if (!to) {
        reading.points.message = kToNotANumber;
    } else if (!amount && !texts.by_count) {
        reading.points.message = std::string(SweepAmountName(texts.spacing)) + "不是一个数";
    } else {
        range.from = *from;
        range.to = *to;
        // A count that is no whole number in range reads as 0, which the
        // points refuse with their message.
        const bool whole = amount && *amount == std::floor(*amount) && std::abs(*amount) <= kSweepPointsMax;
        range.count = texts.by_count && whole ? static_cast<int>(*amount) : 0;
        range.step = texts.by_count ? 0 : *amount;
        reading.points = MakeSweepPoints(range);
    }
    return reading;
}

}  // namespace orvik
