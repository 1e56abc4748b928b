#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"带传动与链传动/普通V带根数.tfl",
     {},
     {{"Pca", 9}, {"Pr", 1.986336}, {"z0", 4.530955488}, {"z", 5}},
     "derived: z = ⌈KA·P/((P0 + ΔP0)·Kα·KL)⌉ by hand; python3"},
    {"带传动与链传动/普通V带根数.tfl",
     {"P=4", "KA=1.1"},
     {{"Pca", 4.4}, {"Pr", 1.986336}, {"z0", 2.215133794}, {"z", 3}},
     "derived: by hand, rounded up to 3; python3"},
    {"带传动与链传动/普通V带根数.tfl",
     {"P=4", "KA=1", "P0=2", "ΔP0=0", "Kα=1", "KL=1"},
     {{"Pca", 4}, {"Pr", 2}, {"z0", 2}, {"z", 2}},
     "derived: a whole number of belts stays as it is (z0 = 2); python3"},
    {"带传动与链传动/V带初拉力与压轴力.tfl",
     {},
     {{"v", 9.424777961}, {"F0", 162.5134089}, {"Fp", 1611.230841}, {"带速合适", 1}},
     "derived: effective pull per belt 1000·Pca/(z·v) first, then (2.5 − Kα)/Kα·Fe/2 + "
     "q·v²; q 0.105 kg/m for A belts; python3"},
    {"带传动与链传动/V带初拉力与压轴力.tfl",
     {"Pca=2", "z=3", "dd1=75", "n1=960", "α1=170"},
     {{"v", 3.769911184}, {"F0", 143.3317589}, {"Fp", 856.7180299}, {"带速合适", 0}},
     "derived: the same two steps; a small pulley at 960 r/min runs below 5 m/s; python3"},
    {"带传动与链传动/滚子链链节数与中心距.tfl",
     {},
     {{"Lp0", 113.2768333}, {"Lp", 114}, {"a", 605.7922198}},
     "derived: 10A chain (p 15.875, GB/T 1243); centre distance found by bisection on the "
     "chain length equation for the even link count; python3"},
    {"带传动与链传动/滚子链链节数与中心距.tfl",
     {"p=19.05", "z1=19", "z2=57", "a0=800"},
     {{"Lp0", 122.8604899}, {"Lp", 122}, {"a", 791.7170393}},
     "derived: 12A chain (p 19.05); bisection on the length equation; python3"},
    {"带传动与链传动/滚子链功率校核与受力.tfl",
     {},
     {{"Pca", 4.95}, {"合格", 1}, {"v", 5.334}, {"Fe", 1031.12111}, {"Fp", 1185.789276}},
     "derived: chain speed as z1 pitches per sprocket turn, pull = power/speed, by hand; "
     "python3"},
    {"带传动与链传动/滚子链功率校核与受力.tfl",
     {"P=11", "KA=1.3"},
     {{"Pca", 12.87}, {"合格", 0}, {"v", 5.334}, {"Fe", 2062.24222}, {"Fp", 2371.578553}},
     "derived: by hand; the single strand is too weak for 11 kW with shocks; python3"},
};

}  // namespace
}  // namespace orvik::testing
