#include "library/core/sample_statistics.h"

#include <algorithm>
#include <cmath>

namespace orvik {

double SampleQuantile(std::span<double> samples, double p)
{
    if (samples.empty())
        return NAN;
    const double position = p * static_cast<double>(samples.size() - 1);
    const size_t below = static_cast<size_t>(std::floor(position));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(below), samples.end());
    const double value = samples[below];
    const double fraction = position - static_cast<double>(below);
    if (fraction == 0)
        return value;
    const double above = *std::min_element(samples.begin() + static_cast<std::ptrdiff_t>(below) + 1, samples.end());
    return value + fraction * (above - value);
}

SampleSummary Summarise(std::span<double> samples)
{
    const double n = static_cast<double>(samples.size());
    double sum = 0;
    for (const double v : samples)
        sum += v;
    const double mean = samples.empty() ? NAN : sum / n;
    double squares = 0;
    for (const double v : samples)
        squares += (v - mean) * (v - mean);
    return {mean, samples.size() < 2 ? NAN : std::sqrt(squares / (n - 1)), SampleQuantile(samples, kLowPointShare),
            SampleQuantile(samples, kHighPointShare)};
}

std::vector<int> CountInBins(std::span<const double> samples, double from, double to, int bins)
{
    std::vector<int> counts(bins, 0);
    const double width = (to - from) / bins;
    for (const double v : samples) {
        if (v < from || v > to)
            continue;
        const int bin = width > 0 ? static_cast<int>((v - from) / width) : 0;
        ++counts[std::min(bin, bins - 1)];
    }
    return counts;
}

}  // namespace orvik
