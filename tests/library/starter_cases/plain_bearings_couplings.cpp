#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

const StarterCases kCases = {
    {"滑动轴承与联轴器/径向滑动轴承校核.tfl",
     {},
     {{"p", 3.125}, {"v", 1.256637061}, {"pv", 3.926990817}, {"合格", 1}},
     "derived: mean pressure over the projected area, surface speed ω·d/2, by hand; "
     "python3"},
    {"滑动轴承与联轴器/径向滑动轴承校核.tfl",
     {"n=1500"},
     {{"p", 3.125}, {"v", 6.283185307}, {"pv", 19.63495408}, {"合格", 0}},
     "derived: by hand, five times the speed: pv exceeds 15; python3"},
    {"滑动轴承与联轴器/止推滑动轴承校核.tfl",
     {},
     {{"p", 1.783248662}, {"dm", 70}, {"vm", 1.099557429}, {"pvm", 1.960784314}, {"合格", 1}},
     "derived: ring area summed as thin annuli, speed ω·dm/2; python3"},
    {"滑动轴承与联轴器/止推滑动轴承校核.tfl",
     {"Fa=20000"},
     {{"p", 3.566497324}, {"dm", 70}, {"vm", 1.099557429}, {"pvm", 3.921568627}, {"合格", 0}},
     "derived: as above, twice the thrust: pv too high; python3"},
    {"滑动轴承与联轴器/联轴器计算转矩.tfl",
     {},
     {{"T", 71.9467551, 0.0001}, {"Tca", 107.9201326, 0.0001}, {"合格", 1}},
     "derived: T = P/ω in SI units (the formula's 9550 rounds 60000/2π, hence 1e-4); "
     "python3"},
    {"滑动轴承与联轴器/联轴器计算转矩.tfl",
     {"P=30"},
     {{"T", 196.218423, 0.0001}, {"Tca", 294.3276345, 0.0001}, {"合格", 0}},
     "derived: T = P/ω; 30 kW overloads the chosen size; python3"},
    {"滑动轴承与联轴器/联轴器计算转矩.tfl",
     {"n=4500", "P=30"},
     {{"T", 63.66197724, 0.0001}, {"Tca", 95.49296586, 0.0001}, {"合格", 0}},
     "derived: T = P/ω; the torque fits but the speed is over the coupling's limit; "
     "python3"},
};

}  // namespace
}  // namespace orvik::testing
