#pragma once

#include <span>
#include <vector>

namespace orvik {

// What a set of samples says about the quantity sampled.
struct SampleSummary {
    double mean = 0;
    double standard_deviation = 0;  // the sample's: n - 1 in the denominator
    // The points below which 0.135% and 99.865% of the samples lie: for a
    // normal distribution, the mean -3 and +3 standard deviations.
    double low_point = 0;
    double high_point = 0;
};

inline constexpr double kLowPointShare = 0.00135;
inline constexpr double kHighPointShare = 0.99865;

// NaN for what the samples are too few for (none; one has no deviation).
// Reorders the samples.
SampleSummary Summarise(std::span<double> samples);

// The value below which the share `p` (0 to 1) of the samples lies,
// interpolated linearly between the neighbouring ordered samples at
// position p (n - 1), counted from 0. Reorders the samples.
double SampleQuantile(std::span<double> samples, double p);

// How many samples fall in each of `bins` equal bins from `from` to `to`;
// the last bin includes `to`, and samples outside are not counted.
std::vector<int> CountInBins(std::span<const double> samples, double from, double to, int bins);

}  // namespace orvik
