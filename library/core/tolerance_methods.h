#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "library/core/tolerance_model.h"
#include "library/core/tolerance_range.h"

namespace orvik {

enum class ToleranceDistribution { Uniform, Normal };

inline constexpr int kToleranceSamplesDefault = 100000;
inline constexpr int kToleranceSamplesMax = 1000000;
inline constexpr uint64_t kToleranceSeedDefault = 1;

// A number of samples as typed: a whole number from 2 to the most.
std::optional<int> ReadSampleCount(std::string_view text);

// How the Monte Carlo method draws its samples: each input uniform over its
// range, or normal with its mean at the middle of the range and a standard
// deviation of a third of the half-width; a seed gives the same samples on
// every run and every machine.
struct ToleranceSettings {
    ToleranceDistribution distribution = ToleranceDistribution::Uniform;
    int samples = kToleranceSamplesDefault;
    uint64_t seed = kToleranceSeedDefault;
};

// The figures of one result; NaN where the calculation gave no value.
struct ResultFigures {
    double nominal = NAN;
    // Worst case: the smallest and the largest value within the ranges.
    double worst_min = NAN;
    double worst_max = NAN;
    // RSS: the value at the middle of every range, and the root of the sum
    // of the squared contributions, each input's derivative there (central
    // differences) times its half-width.
    double rss_centre = NAN;
    double rss_half_width = NAN;
    std::vector<double> contributions;
    // Monte Carlo, over the samples that gave the result a value; how many
    // did not.
    int left_out = 0;
    double mean = NAN;
    double standard_deviation = NAN;
    double low_point = NAN;   // 0.135%
    double high_point = NAN;  // 99.865%
    std::vector<double> samples;  // in no particular order
};

// The three methods on `model`, whose inputs have the values `nominal` and
// the ranges `ranges`; where a result has no value, that point counts for
// none of its figures.
std::vector<ResultFigures> AnalyseTolerances(const ToleranceModel& model, int result_count, std::span<const double> nominal,
                                   std::span<const ToleranceRange> ranges, const ToleranceSettings& settings);

// An input's share of a result's RSS variance, in percent.
struct SensitivityShare {
    int input = 0;
    double percent = 0;
};

// Each input's squared contribution over their sum, largest first (inputs
// in their order where equal); all 0 when nothing varies.
std::vector<SensitivityShare> SensitivityShares(std::span<const double> contributions);

}  // namespace orvik
