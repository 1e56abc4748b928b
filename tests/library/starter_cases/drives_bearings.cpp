#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"传动与轴承/功率与转矩.tfl",
     {},
     {{"T", 49.39655172}, {"ω", 151.8436449}},
     "derived: T = 9550P/n; ω = 2πn/60"},
    {"传动与轴承/V带传动几何尺寸.tfl",
     {},
     {{"i", 2.5}, {"α1", 162.7461469}, {"Ld0", 1561.028714}, {"a", 519.4856428}},
     "derived: Ld0 = 2a0 + π(d1 + d2)/2 + (d2 - d1)²/(4a0); α1 = 180° - 2 asin(150/1000)"},
    {"传动与轴承/滚动轴承寿命.tfl",
     {},
     {{"L10", 614.125}, {"L10h", 7058.908046}},
     "derived: L10 = (C/P)³ = 8.5³; L10h = 10⁶/(60n)·L10"},
};

}  // namespace
}  // namespace orvik::testing
