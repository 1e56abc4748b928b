#include "engine/involute.h"

#include <cmath>

#include "engine/engine_messages.h"
#include "engine/operator_table.h"

namespace orvik {
namespace {

constexpr double kTolerance = constants::kOrderTolerance;
// The secant steps settle within a dozen steps wherever a root exists;
// anything still moving after this many never will.
constexpr int kStepLimit = 200;

double Radians(double degrees) { return degrees * constants::kDegreesToRadians; }

}  // namespace

double Involute(double a) { return std::tan(a) - a; }

double InverseInvolute(double y, EngineHost& host)
{
    if (y < 0) {
        host.ShowMessage(messages::kInverseInvoluteNegative);
        return 0;
    }
    const auto f = [y](double a) { return Involute(a) - y; };
    double d0 = 88.0, d1 = 88.1;
    if (y < Involute(Radians(25)))
        d0 = 25.0, d1 = 25.1;
    else if (y < Involute(Radians(50)))
        d0 = 49.9, d1 = 50.1;
    else if (y < Involute(Radians(70)))
        d0 = 69.9, d1 = 70.1;
    const double a0 = Radians(d0), a1 = Radians(d1);

    const double a2 = a0 - f(a0) * (a0 - a1) / (f(a0) - f(a1));
    if (std::fabs(a2 - a0) <= kTolerance)
        return a2;

    const double upper = Radians(89.9);
    double previous = a0, current = a2;
    for (int step = 0; step < kStepLimit; ++step) {
        const double next =
            current - f(current) * (current - previous) / (f(current) - f(previous));
        if (!(next >= 0 && next <= upper))  // NaN included
            break;
        if (std::fabs(next - current) <= kTolerance)
            return next;
        previous = current;
        current = next;
    }
    host.ShowMessage(messages::kInverseInvoluteFailed);
    return 0;
}

}  // namespace orvik
