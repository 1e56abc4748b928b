#pragma once

#include <span>
#include <vector>

#include "library/core/tolerance_model.h"
#include "library/core/tolerance_range.h"

namespace orvik {

// The smallest and the largest value of each result over every
// combination of the inputs within their ranges (the box), found by
// evaluating the calculation at chosen points of the box:
//
// 1. A grid over the inputs whose range has a width: with k such inputs, G
//    evenly spaced values from the low to the high end of each, G^k points
//    with G as large as keeps G^k at kGridPointsMax or below (at most
//    kGridLevelsMax), which are the 2^k corners up to k = 12; beyond 12
//    inputs, for each result the two corners its slopes at the middle
//    point to (`Run`'s `slopes`). The middle of the box is always one.
// 2. From the best of those points for each result's minimum and maximum,
//    and from the middle, a compass search: each input in turn is moved by
//    its step up or down, staying in the box, while that improves the
//    value; when no move does, every step is halved, from a quarter of the
//    range's width down to a millionth of it.
// 3. Points evaluated elsewhere in the box (Monte Carlo samples, `Offer`)
//    that beat an extreme are kept; `Refine` searches from them.
//
// Every point evaluated counts for every result. Exact when each result is
// monotonic in each input (a corner) or has one extreme in the box that the
// search reaches; an extreme in a narrow region between grid points, away
// from the others and from every sample, can be missed.
class WorstCaseSearch {
public:
    static constexpr int kGridPointsMax = 4096;
    static constexpr int kGridLevelsMax = 65;

    WorstCaseSearch(const ToleranceModel& model, int result_count, std::span<const ToleranceRange> ranges);

    // Steps 1 and 2. `slopes[result][input]`: the result's derivatives at
    // the middle of the box, or empty.
    void Run(const std::vector<std::vector<double>>& slopes);
    // A point of the box and the results there.
    void Offer(std::span<const double> point, std::span<const double> results);
    void Refine();

    // NaN when no point of the box gave a value.
    double Min(int result) const;
    double Max(int result) const;

private:
    struct Extreme {
        double value;
        std::vector<double> at;
        bool offered = false;  // found by Offer, not searched from yet
    };

    // Evaluates the point; false where it gives no value.
    bool Visit(std::span<const double> point);
    // `sense` +1: the largest value, -1: the smallest.
    Extreme& Best(int result, int sense) { return sense > 0 ? max_[result] : min_[result]; }
    void Grid(int levels);
    void SlopeCorners(const std::vector<std::vector<double>>& slopes);
    void Search(int result, int sense, std::vector<double> point);

    const ToleranceModel& model_;
    std::vector<ToleranceRange> ranges_;
    std::vector<int> varying_;  // inputs whose range has a width
    std::vector<double> results_;
    std::vector<Extreme> min_;
    std::vector<Extreme> max_;
};

}  // namespace orvik
