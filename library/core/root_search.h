#pragma once

#include <functional>
#include <vector>

namespace orvik {

// Where a function of one variable takes a given value, searched over a
// whole range rather than near a start value. Toolkit-free.
//
// The range is scanned on a grid fine enough to tell apart roots a
// thousandth of the range apart (in the logarithm when both ends are
// positive and more than two decades apart). A sign change of
// f = value - target between neighbours is refined by Brent's method to
// full precision; it is a root only when |f| approaches zero there, so
// poles and jumps are passed over. A local minimum of |f| between
// neighbours of one sign is refined by golden section and is a touching
// root when |f| reaches zero within TouchTolerance. A grid point where f
// is exactly zero is a root by itself. No root is listed twice.

// A point of the search: the variable and the function's value there.
struct RootPoint {
    double x = 0;
    double value = 0;
};

struct RootSearchResult {
    std::vector<RootPoint> roots;  // ascending in x
    // Where |value - target| was least, of every point that had a value;
    // has_closest is false when none had one.
    bool has_closest = false;
    RootPoint closest;
    // Evaluations that gave no value (NaN or infinite), and all of them.
    int no_value_points = 0;
    int evaluations = 0;
    bool logarithmic = false;
    // The scan, first to last, for drawing: NaN where there was no value.
    std::vector<RootPoint> scan;
};

// How many intervals the range is scanned in.
inline constexpr int kRootScanIntervals = 4000;

// The largest |value - target| a touching root may keep.
double TouchTolerance(double target);

// `value(x)` is NaN where the function has no value. `from` and `to` are
// finite and different, in either order.
RootSearchResult FindRoots(const std::function<double(double)>& value, double target, double from, double to);

}  // namespace orvik
