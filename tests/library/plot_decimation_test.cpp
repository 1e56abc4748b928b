// What a sweep's chart keeps of many points: per pixel column the extremes
// and the ends, so the line looks as it would with every point.
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include <gtest/gtest.h>

#include "library/core/plot_decimation.h"

namespace orvik {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Range {
    double low = kInfinity;
    double high = -kInfinity;
    bool operator==(const Range&) const = default;
};

// The y range that the points draw in each of `columns` columns.
std::map<long, Range> ColumnRanges(const std::vector<PlotPoint>& points, int columns, double x_low, double x_high,
                                   bool logarithmic)
{
    const auto at = [&](double x) { return logarithmic ? std::log(x) : x; };
    std::map<long, Range> ranges;
    for (const PlotPoint& point : points) {
        const long column = std::min<long>(
            static_cast<long>((at(point.x) - at(x_low)) * (columns / (at(x_high) - at(x_low)))), columns - 1);
        Range& range = ranges[column];
        range = {std::min(range.low, point.y), std::max(range.high, point.y)};
    }
    return ranges;
}

TEST(PlotDecimationTest, FewPointsStayAllButThoseThatAreNotFinite)
{
    const std::vector<double> x = {1, 2, 3, 4, kNaN, 6};
    const std::vector<double> y = {5, kInfinity, 7, -1, 2, kNaN};
    const std::vector<PlotPoint> kept = DecimatedPlot(x, y, 100, false);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].x, 1);
    EXPECT_EQ(kept[1].x, 3);
    EXPECT_EQ(kept[2].y, -1);
}

// A curve that swings quickly, rising or falling, linear or logarithmic:
// at most four points a column, in their order, drawing every column's
// whole height, the ends included.
TEST(PlotDecimationTest, ManyPointsKeepEachColumnsExtremesAndEnds)
{
    const struct {
        double from, to;
        bool logarithmic;
    } cases[] = {{0, 100, false}, {100, 0, false}, {1, 1e6, true}, {1e6, 1, true}};
    constexpr int kColumns = 37;
    constexpr int kPoints = 10000;
    for (const auto& c : cases) {
        std::vector<double> x, y;
        for (int i = 0; i < kPoints; ++i) {
            const double t = double(i) / (kPoints - 1);
            x.push_back(c.logarithmic ? c.from * std::pow(c.to / c.from, t) : c.from + (c.to - c.from) * t);
            y.push_back(std::sin(i * 0.37) * (1 + t));
        }
        const std::vector<PlotPoint> kept = DecimatedPlot(x, y, kColumns, c.logarithmic);
        std::vector<PlotPoint> all;
        for (int i = 0; i < kPoints; ++i)
            all.push_back({x[i], y[i]});
        const double low = std::min(c.from, c.to), high = std::max(c.from, c.to);
        EXPECT_LE(kept.size(), 4u * kColumns) << c.from;
        EXPECT_GE(kept.size(), 2u * kColumns) << c.from;  // every column has some
        EXPECT_EQ(ColumnRanges(kept, kColumns, low, high, c.logarithmic),
                  ColumnRanges(all, kColumns, low, high, c.logarithmic)) << c.from;
        EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end(), [&](const PlotPoint& a, const PlotPoint& b) {
            return c.from < c.to ? a.x < b.x : a.x > b.x;
        })) << c.from;
        EXPECT_EQ(kept.front().x, x.front());
        EXPECT_EQ(kept.back().x, x.back());
    }
}

}  // namespace
}  // namespace orvik
