#include "library/core/plot_decimation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvik {
namespace {

// The points of one pixel column, by their place in the input.
struct Column {
    std::size_t first = 0, lowest = 0, highest = 0, last = 0;
};

}  // namespace

std::vector<PlotPoint> DecimatedPlot(const std::vector<double>& x, const std::vector<double>& y, int columns,
                                     bool logarithmic)
{
    const auto position = [&](std::size_t i) { return logarithmic ? std::log(x[i]) : x[i]; };
    std::vector<std::size_t> shown;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        if (std::isfinite(y[i]) && std::isfinite(position(i))) {
            shown.push_back(i);
            low = std::min(low, position(i));
            high = std::max(high, position(i));
        }
    }
    std::vector<PlotPoint> points;
    const auto keep = [&](std::size_t i) { points.push_back({x[i], y[i]}); };
    if (shown.size() <= 4 * static_cast<std::size_t>(std::max(columns, 1)) || !(high > low)) {
        for (const std::size_t i : shown)
            keep(i);
        return points;
    }
    const double per_column = columns / (high - low);
    const auto column_of = [&](std::size_t i) {
        return std::min(static_cast<long>((position(i) - low) * per_column), static_cast<long>(columns) - 1);
    };
    const auto flush = [&](const Column& c) {
        std::size_t kept[] = {c.first, c.lowest, c.highest, c.last};
        std::sort(std::begin(kept), std::end(kept));
        for (std::size_t k = 0; k < 4; ++k) {
            if (k == 0 || kept[k] != kept[k - 1])
                keep(kept[k]);
        }
    };
    Column current{shown[0], shown[0], shown[0], shown[0]};
    long current_column = column_of(shown[0]);
    for (std::size_t n = 1; n < shown.size(); ++n) {
        const std::size_t i = shown[n];
        if (column_of(i) != current_column) {
            flush(current);
            current = {i, i, i, i};
            current_column = column_of(i);
            continue;
        }
        current.last = i;
        if (y[i] < y[current.lowest])
            current.lowest = i;
        if (y[i] > y[current.highest])
            current.highest = i;
    }
    flush(current);
    return points;
}

}  // namespace orvik
