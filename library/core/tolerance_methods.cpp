#include "library/core/tolerance_methods.h"

#include <algorithm>
#include <limits>
#include <numbers>
#include <random>

#include "library/core/number_entry.h"
#include "library/core/sample_statistics.h"
#include "library/core/worst_case_search.h"

namespace orvik {
namespace {

// Uniform and normal numbers from the 64-bit Mersenne Twister, whose
// sequence the C++ standard fixes, through transforms of our own: the
// library's distributions may differ from one implementation to another.
class RandomDraws {
public:
    explicit RandomDraws(uint64_t seed) : engine_(seed) {}

    // In [0, 1), on a grid of 2^-53.
    double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    // Standard normal, two at a time by the Box-Muller transform.
    double Normal()
    {
        if (spare_) {
            spare_ = false;
            return spare_value_;
        }
        const double u = static_cast<double>((engine_() >> 11) + 1) * 0x1.0p-53;  // (0, 1]: a logarithm
        const double angle = 2 * std::numbers::pi * Uniform();
        const double radius = std::sqrt(-2 * std::log(u));
        spare_value_ = radius * std::sin(angle);
        spare_ = true;
        return radius * std::cos(angle);
    }

    double Draw(const ToleranceRange& range, ToleranceDistribution distribution)
    {
        if (distribution == ToleranceDistribution::Normal)
            return range.middle + range.half_width / 3 * Normal();
        return range.low + (range.high - range.low) * Uniform();
    }

private:
    std::mt19937_64 engine_;
    bool spare_ = false;
    double spare_value_ = 0;
};

std::vector<double> Middles(std::span<const ToleranceRange> ranges)
{
    std::vector<double> middle;
    for (const ToleranceRange& range : ranges)
        middle.push_back(range.middle);
    return middle;
}

// A step for central differences that balances the error of the formula
// (the step squared) against rounding (over the step), within the range.
double DifferenceStep(const ToleranceRange& range)
{
    static const double kRelative = std::cbrt(std::numeric_limits<double>::epsilon());
    return std::min(range.half_width, kRelative * std::max(std::abs(range.middle), range.half_width));
}

// The RSS figures, and the derivatives at the middle: [result][input].
std::vector<std::vector<double>> Rss(const ToleranceModel& model, std::span<const ToleranceRange> ranges,
                                     std::vector<ResultFigures>& figures)
{
    const size_t result_count = figures.size();
    std::vector<double> point = Middles(ranges);
    std::vector<double> at(result_count);
    std::vector<double> above(result_count);
    std::vector<double> below(result_count);
    if (!model(point, at))
        std::fill(at.begin(), at.end(), NAN);
    std::vector<std::vector<double>> slopes(result_count, std::vector<double>(ranges.size(), 0));
    for (size_t i = 0; i < ranges.size(); ++i) {
        const double step = DifferenceStep(ranges[i]);
        if (step == 0)
            continue;
        const double middle = point[i];
        point[i] = middle + step;
        const double high = point[i];
        const bool high_valid = model(point, above);
        point[i] = middle - step;
        const double low = point[i];
        const bool low_valid = model(point, below);
        point[i] = middle;
        for (size_t r = 0; r < result_count; ++r) {
            const bool valid = high_valid && low_valid && std::isfinite(above[r]) && std::isfinite(below[r]);
            slopes[r][i] = valid ? (above[r] - below[r]) / (high - low) : NAN;
        }
    }
    for (size_t r = 0; r < result_count; ++r) {
        ResultFigures& result = figures[r];
        result.rss_centre = at[r];
        double sum = 0;
        for (size_t i = 0; i < ranges.size(); ++i) {
            result.contributions.push_back(slopes[r][i] * ranges[i].half_width);
            sum += result.contributions.back() * result.contributions.back();
        }
        result.rss_half_width = std::sqrt(sum);
    }
    return slopes;
}

bool InRanges(std::span<const double> point, std::span<const ToleranceRange> ranges)
{
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (point[i] < ranges[i].low || point[i] > ranges[i].high)
            return false;
    }
    return true;
}

// The samples of each result; those inside the ranges are offered to the
// worst case.
void MonteCarlo(const ToleranceModel& model, std::span<const ToleranceRange> ranges,
               const ToleranceSettings& settings, std::vector<ResultFigures>& figures, WorstCaseSearch& worst)
{
    RandomDraws draws(settings.seed);
    std::vector<double> point(ranges.size());
    std::vector<double> results(figures.size());
    for (ResultFigures& result : figures)
        result.samples.reserve(settings.samples);
    for (int sample = 0; sample < settings.samples; ++sample) {
        for (size_t i = 0; i < ranges.size(); ++i)
            point[i] = draws.Draw(ranges[i], settings.distribution);
        if (!model(point, results))
            continue;
        for (size_t r = 0; r < figures.size(); ++r) {
            if (std::isfinite(results[r]))
                figures[r].samples.push_back(results[r]);
        }
        if (InRanges(point, ranges))
            worst.Offer(point, results);
    }
}

}  // namespace

std::optional<int> ReadSampleCount(std::string_view text)
{
    const std::optional<double> count = ReadNumberEntry(text);
    if (!count || *count != std::floor(*count) || *count < 2 || *count > kToleranceSamplesMax)
        return std::nullopt;
    return static_cast<int>(*count);
}

std::vector<ResultFigures> AnalyseTolerances(const ToleranceModel& model, int result_count, std::span<const double> nominal,
                                   std::span<const ToleranceRange> ranges, const ToleranceSettings& settings)
{
    std::vector<ResultFigures> figures(result_count);
    std::vector<double> values(result_count);
    if (!model(nominal, values))
        std::fill(values.begin(), values.end(), NAN);
    for (int r = 0; r < result_count; ++r)
        figures[r].nominal = values[r];

    const std::vector<std::vector<double>> slopes = Rss(model, ranges, figures);
    WorstCaseSearch worst(model, result_count, ranges);
    worst.Run(slopes);
    MonteCarlo(model, ranges, settings, figures, worst);
    worst.Refine();
    for (int r = 0; r < result_count; ++r) {
        ResultFigures& result = figures[r];
        result.left_out = settings.samples - static_cast<int>(result.samples.size());
        result.worst_min = worst.Min(r);
        result.worst_max = worst.Max(r);
        const SampleSummary summary = Summarise(result.samples);
        result.mean = summary.mean;
        result.standard_deviation = summary.standard_deviation;
        result.low_point = summary.low_point;
        result.high_point = summary.high_point;
    }
    return figures;
}

std::vector<SensitivityShare> SensitivityShares(std::span<const double> contributions)
{
    double sum = 0;
    for (const double c : contributions)
        sum += c * c;
    std::vector<SensitivityShare> shares;
    for (size_t i = 0; i < contributions.size(); ++i)
        shares.push_back({static_cast<int>(i), sum == 0 ? 0 : 100 * contributions[i] * contributions[i] / sum});
    std::stable_sort(shares.begin(), shares.end(),
                     [](const SensitivityShare& a, const SensitivityShare& b) { return a.percent > b.percent; });
    return shares;
}

}  // namespace orvik
