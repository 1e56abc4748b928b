#include "library/core/worst_case_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvik {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The search's first step and its last, in widths of the range.
constexpr double kFirstStep = 0.25;
constexpr double kLastStep = 1e-6;
// A search that keeps finding better points stops after this many
// evaluations per input that varies (and one more input).
constexpr int kSearchEvaluationsPerInput = 100;

// The most values per input whose grid keeps to `points_max` points, or 0
// when not even the corners do.
int GridLevels(int inputs, int points_max, int levels_max)
{
    int levels = levels_max;
    while (levels >= 2 && std::pow(static_cast<double>(levels), inputs) > points_max)
        --levels;
    return levels >= 2 ? levels : 0;
}

}  // namespace

WorstCaseSearch::WorstCaseSearch(const ToleranceModel& model, int result_count,
                                 std::span<const ToleranceRange> ranges)
    : model_(model), ranges_(ranges.begin(), ranges.end()), results_(result_count),
      min_(result_count, {kInfinity, {}}), max_(result_count, {-kInfinity, {}})
{
    for (size_t i = 0; i < ranges_.size(); ++i) {
        if (ranges_[i].high > ranges_[i].low)
            varying_.push_back(static_cast<int>(i));
    }
}

bool WorstCaseSearch::Visit(std::span<const double> point)
{
    if (!model_(point, results_))
        return false;
    for (size_t r = 0; r < results_.size(); ++r) {
        if (!std::isfinite(results_[r]))
            continue;
        for (const int sense : {-1, 1}) {
            Extreme& best = Best(static_cast<int>(r), sense);
            if (sense * (results_[r] - best.value) > 0) {
                best.value = results_[r];
                best.at.assign(point.begin(), point.end());
                best.offered = false;
            }
        }
    }
    return true;
}

void WorstCaseSearch::Run(const std::vector<std::vector<double>>& slopes)
{
    std::vector<double> middle;
    for (const ToleranceRange& range : ranges_)
        middle.push_back(range.middle);
    Visit(middle);
    const int levels = GridLevels(static_cast<int>(varying_.size()), kGridPointsMax, kGridLevelsMax);
    if (levels > 0)
        Grid(levels);
    else
        SlopeCorners(slopes);
    for (size_t r = 0; r < results_.size(); ++r) {
        for (const int sense : {-1, 1}) {
            const std::vector<double> best = Best(static_cast<int>(r), sense).at;
            if (!best.empty())
                Search(static_cast<int>(r), sense, best);
            if (best != middle)
                Search(static_cast<int>(r), sense, middle);
        }
    }
}

// Counts through the grid like an odometer, the first input fastest.
void WorstCaseSearch::Grid(int levels)
{
    std::vector<double> point;
    for (const ToleranceRange& range : ranges_)
        point.push_back(range.low);
    std::vector<int> level(varying_.size(), 0);
    while (true) {
        Visit(point);
        size_t digit = 0;
        while (digit < varying_.size() && ++level[digit] == levels)
            level[digit++] = 0;
        if (digit == varying_.size())
            return;
        for (size_t d = 0; d <= digit; ++d) {
            const ToleranceRange& range = ranges_[varying_[d]];
            point[varying_[d]] = std::lerp(range.low, range.high, static_cast<double>(level[d]) / (levels - 1));
        }
    }
}

void WorstCaseSearch::SlopeCorners(const std::vector<std::vector<double>>& slopes)
{
    for (const std::vector<double>& slope : slopes) {
        for (const int sense : {-1, 1}) {
            std::vector<double> corner;
            for (size_t i = 0; i < ranges_.size(); ++i)
                corner.push_back(sense * slope[i] >= 0 ? ranges_[i].high : ranges_[i].low);
            Visit(corner);
        }
    }
}

void WorstCaseSearch::Search(int result, int sense, std::vector<double> point)
{
    if (!Visit(point) || !std::isfinite(results_[result]))
        return;
    double value = results_[result];
    std::vector<double> step(ranges_.size());
    for (const int i : varying_)
        step[i] = kFirstStep * (ranges_[i].high - ranges_[i].low);
    int evaluations = kSearchEvaluationsPerInput * (static_cast<int>(varying_.size()) + 1);
    for (bool fine = varying_.empty(); !fine && evaluations > 0;) {
        bool moved = false;
        for (const int i : varying_) {
            for (const int direction : {1, -1}) {
                const double old = point[i];
                point[i] = std::clamp(old + direction * step[i], ranges_[i].low, ranges_[i].high);
                if (point[i] == old)
                    continue;
                --evaluations;
                if (Visit(point) && std::isfinite(results_[result]) && sense * (results_[result] - value) > 0) {
                    value = results_[result];
                    moved = true;
                    break;
                }
                point[i] = old;
            }
        }
        if (!moved) {
            fine = true;
            for (const int i : varying_) {
                step[i] /= 2;
                fine = fine && step[i] <= kLastStep * (ranges_[i].high - ranges_[i].low);
            }
        }
    }
}

void WorstCaseSearch::Offer(std::span<const double> point, std::span<const double> results)
{
    for (size_t r = 0; r < results.size(); ++r) {
        if (!std::isfinite(results[r]))
            continue;
        for (const int sense : {-1, 1}) {
            Extreme& best = Best(static_cast<int>(r), sense);
            if (sense * (results[r] - best.value) > 0)
                best = {results[r], std::vector<double>(point.begin(), point.end()), true};
        }
    }
}

void WorstCaseSearch::Refine()
{
    for (size_t r = 0; r < results_.size(); ++r) {
        for (const int sense : {-1, 1}) {
            Extreme& best = Best(static_cast<int>(r), sense);
            if (best.offered) {
                best.offered = false;
                Search(static_cast<int>(r), sense, best.at);
            }
        }
    }
}

double WorstCaseSearch::Min(int result) const
{
    return min_[result].value <= max_[result].value ? min_[result].value : NAN;
}

double WorstCaseSearch::Max(int result) const
{
    return min_[result].value <= max_[result].value ? max_[result].value : NAN;
}

}  // namespace orvik
