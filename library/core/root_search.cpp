#include "library/core/root_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace orvik {
namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Ends further apart than this ratio (two decades) are scanned in the
// logarithm, where a small root has as many grid points around it as a
// large one.
constexpr double kLogarithmicRatio = 100;
// A refined sign change is a root when |f| at each end of the last
// bracket is at most this part of |f| at the grid point on its side: at a
// pole |f| grows, at a jump it stays.
constexpr double kApproach = 0.5;
// Brent's method needs about sixty steps at worst; golden section forty.
constexpr int kRefineStepsMax = 200;
// Where golden section stops, relative to the point.
constexpr double kTouchPrecision = 1e-10;

struct Sample {
    double x = 0;
    double value = NAN;
    double f = NAN;  // value - target; NaN when there is no value

    bool HasValue() const { return !std::isnan(f); }
    // For comparing closeness: no value is as far as can be.
    double Distance() const { return HasValue() ? std::abs(f) : std::numeric_limits<double>::infinity(); }
};

bool OppositeSigns(const Sample& a, const Sample& b)
{
    return (a.f < 0 && b.f > 0) || (a.f > 0 && b.f < 0);
}

// The grid, ends exact; in the decimal logarithm, so that whole decades are
// points of it.
std::vector<double> Grid(double low, double high, bool logarithmic)
{
    std::vector<double> xs(kRootScanIntervals + 1);
    const double from = logarithmic ? std::log10(low) : low;
    const double to = logarithmic ? std::log10(high) : high;
    for (int i = 0; i <= kRootScanIntervals; ++i) {
        const double t = std::lerp(from, to, static_cast<double>(i) / kRootScanIntervals);
        xs[i] = logarithmic ? std::pow(10.0, t) : t;
    }
    xs.front() = low;
    xs.back() = high;
    return xs;
}

class Search {
public:
    Search(const std::function<double(double)>& value, double target, RootSearchResult& result)
        : value_(value), target_(target), tolerance_(TouchTolerance(target)), result_(result)
    {
    }

    Sample At(double x)
    {
        ++result_.evaluations;
        const double value = value_(x);
        const double f = value - target_;
        if (!std::isfinite(value) || !std::isfinite(f)) {
            ++result_.no_value_points;
            return {x};
        }
        const Sample sample{x, value, f};
        if (!result_.has_closest || std::abs(f) < closest_distance_) {
            result_.has_closest = true;
            result_.closest = {x, value};
            closest_distance_ = std::abs(f);
        }
        return sample;
    }

    void Scan(double low, double high)
    {
        result_.logarithmic = low > 0 && high / low > kLogarithmicRatio;
        const std::vector<double> xs = Grid(low, high, result_.logarithmic);
        samples_.reserve(xs.size());
        for (const double x : xs)
            samples_.push_back(At(x));
        result_.scan.reserve(samples_.size());
        for (const Sample& sample : samples_)
            result_.scan.push_back({sample.x, sample.value});
    }

    // Zeros of the grid, sign changes between neighbours and touching
    // minima. Each comes from its own stretch of the grid: a zero is
    // neither a sign nor a neighbour of a touching minimum, and a touching
    // minimum has no sign change beside it; so the roots come in ascending
    // order, none twice.
    void FindAll()
    {
        const int last = static_cast<int>(samples_.size()) - 1;
        for (int i = 0; i <= last; ++i) {
            const Sample& here = samples_[i];
            // A run of zeros is one root, at its first point.
            if (here.f == 0 && (i == 0 || samples_[i - 1].f != 0))
                Add(here);
            if (i > 0 && i < last && IsTouchCandidate(i))
                RefineTouch(samples_[i - 1].x, here, samples_[i + 1].x);
            if (i < last && OppositeSigns(here, samples_[i + 1]))
                RefineCrossing(here, samples_[i + 1]);
        }
    }

private:
    void Add(const Sample& sample) { result_.roots.push_back({sample.x, sample.value}); }

    // |f| is least at i among neighbours of its own sign, and strictly less
    // than on the left, so that a flat stretch is no row of minima.
    bool IsTouchCandidate(int i) const
    {
        const Sample& left = samples_[i - 1];
        const Sample& here = samples_[i];
        const Sample& right = samples_[i + 1];
        if (!left.HasValue() || !here.HasValue() || !right.HasValue() || here.f == 0)
            return false;
        const bool same_sign = (left.f > 0) == (here.f > 0) && (right.f > 0) == (here.f > 0) && left.f != 0
                               && right.f != 0;
        return same_sign && std::abs(here.f) < std::abs(left.f) && std::abs(here.f) <= std::abs(right.f);
    }

    // Golden section on |f| between the neighbours.
    void RefineTouch(double low, const Sample& middle, double high)
    {
        constexpr double g = std::numbers::phi - 1;
        const double width = high - low;
        Sample best = middle;
        Sample c = At(high - g * (high - low));
        Sample d = At(low + g * (high - low));
        for (int step = 0; step < kRefineStepsMax; ++step) {
            for (const Sample* s : {&c, &d}) {
                if (s->Distance() < best.Distance())
                    best = *s;
            }
            if (best.f == 0 || high - low <= kTouchPrecision * std::max({std::abs(low), std::abs(high), width}))
                break;
            if (c.Distance() < d.Distance()) {
                high = d.x;
                d = c;
                c = At(high - g * (high - low));
            } else {
                low = c.x;
                c = d;
                d = At(low + g * (high - low));
            }
        }
        if (best.Distance() <= tolerance_)
            Add(best);
    }

    // Brent's method: inverse quadratic interpolation and secant steps
    // where they make progress, bisection where they do not. The bracket
    // [b, c] always holds the sign change; b is the better end.
    void RefineCrossing(const Sample& low, const Sample& high)
    {
        Sample a = low;
        Sample b = high;
        Sample c = a;
        // A root at 0 has no relative precision; a minute part of the
        // bracket stands in.
        const double least = 1e-6 * kEpsilon * (high.x - low.x);
        double step = b.x - a.x;
        double previous_step = step;
        for (int i = 0; i < kRefineStepsMax; ++i) {
            if (!OppositeSigns(b, c) && b.f != 0) {
                c = a;
                step = previous_step = b.x - a.x;
            }
            if (std::abs(c.f) < std::abs(b.f)) {
                a = b;
                b = c;
                c = a;
            }
            const double tolerance = 2 * kEpsilon * std::abs(b.x) + least;
            const double half = 0.5 * (c.x - b.x);
            if (std::abs(half) <= tolerance || b.f == 0)
                break;
            if (std::abs(previous_step) >= tolerance && std::abs(a.f) > std::abs(b.f)) {
                const double s = b.f / a.f;
                double p;
                double q;
                if (a.x == c.x) {
                    p = 2 * half * s;
                    q = 1 - s;
                } else {
                    const double qa = a.f / c.f;
                    const double r = b.f / c.f;
                    p = s * (2 * half * qa * (qa - r) - (b.x - a.x) * (r - 1));
                    q = (qa - 1) * (r - 1) * (s - 1);
                }
                if (p > 0)
                    q = -q;
                else
                    p = -p;
                if (2 * p < std::min(3 * half * q - std::abs(tolerance * q), std::abs(previous_step * q))) {
                    previous_step = step;
                    step = p / q;
                } else {
                    step = previous_step = half;
                }
            } else {
                step = previous_step = half;
            }
            a = b;
            const double x = b.x + (std::abs(step) > tolerance ? step : std::copysign(tolerance, half));
            // At least two units in the last place: never lost to rounding.
            b = At(x);
            if (!b.HasValue())
                return;  // a gap in the function: no crossing to speak of
        }
        if (Approaches(b, c, low, high))
            Add(b);
    }

    bool Approaches(const Sample& best, const Sample& other, const Sample& low, const Sample& high) const
    {
        if (std::min(std::abs(best.f), std::abs(other.f)) <= tolerance_)
            return true;
        const bool best_is_low = (best.f > 0) == (low.f > 0);
        const Sample& low_end = best_is_low ? best : other;
        const Sample& high_end = best_is_low ? other : best;
        return std::abs(low_end.f) <= kApproach * std::abs(low.f) && std::abs(high_end.f) <= kApproach * std::abs(high.f);
    }

    const std::function<double(double)>& value_;
    const double target_;
    const double tolerance_;
    RootSearchResult& result_;
    double closest_distance_ = 0;
    std::vector<Sample> samples_;
};

}  // namespace

double TouchTolerance(double target)
{
    return 1e-9 * std::max(1.0, std::abs(target));
}

RootSearchResult FindRoots(const std::function<double(double)>& value, double target, double from, double to)
{
    RootSearchResult result;
    Search search(value, target, result);
    search.Scan(std::min(from, to), std::max(from, to));
    search.FindAll();
    return result;
}

}  // namespace orvik
