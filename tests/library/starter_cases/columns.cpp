#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

const StarterCases kCases = {
    {"压杆稳定/压杆稳定校核.tfl",
     {},
     {{"λ", 80}, {"σcr", 214.4}, {"Fcr", 269422.986}, {"n", 2.69422986}, {"欧拉适用", 0},
      {"直线适用", 1}, {"合格", 1}, {"λp", 100.8250591}, {"λs", 61.60714286}},
     "derived: solid round bar d 40 (i = d/4), Q235 a 304, b 1.12 MPa from the "
     "straight-line table of 《材料力学》; intermediate: λ 80; python3"},
    {"压杆稳定/压杆稳定校核.tfl",
     {"L=1500"},
     {{"λ", 150}, {"σcr", 90.36171141}, {"Fcr", 113551.8755}, {"n", 1.135518755}, {"欧拉适用", 1},
      {"直线适用", 0}, {"合格", 0}},
     "derived: solid round bar d 40 (i = d/4), Q235 a 304, b 1.12 MPa from the "
     "straight-line table of 《材料力学》; slender: λ 150, Euler's load from π²EI/L²; python3"},
    {"压杆稳定/压杆稳定校核.tfl",
     {"L=400"},
     {{"λ", 40}, {"σcr", 235}, {"Fcr", 295309.7094}, {"n", 2.953097094}, {"欧拉适用", 0},
      {"直线适用", 0}, {"合格", 1}},
     "derived: solid round bar d 40 (i = d/4), Q235 a 304, b 1.12 MPa from the "
     "straight-line table of 《材料力学》; stocky: λ 40 below λs, yield governs; python3"},
    {"压杆稳定/圆管压杆稳定校核.tfl",
     {},
     {{"A", 863.9379797}, {"I", 329376.3548}, {"i", 19.52562419}, {"λ", 76.82212796},
      {"σcr", 217.9592167}, {"Fcr", 188303.2453}, {"n", 2.353790567}, {"欧拉适用", 0}, {"直线适用", 1},
      {"合格", 1}},
     "derived: tube 60/50, i = √(D² + d²)/4, intermediate λ 76.8, straight line; python3"},
    {"压杆稳定/圆管压杆稳定校核.tfl",
     {"L=2500"},
     {{"λ", 128.0368799}, {"σcr", 124.0214489}, {"Fcr", 107146.84}, {"n", 1.3393355},
      {"欧拉适用", 1}, {"直线适用", 0}, {"合格", 0}},
     "derived: the tube at 2.5 m, slender: Euler's load from π²EI/L²; python3"},
    {"压杆稳定/矩形压杆稳定校核.tfl",
     {},
     {{"λ1", 103.9230485}, {"λ2", 86.60254038}, {"λ", 103.9230485}, {"σcr", 188.2535654},
      {"Fcr", 282380.3481}, {"n", 2.823803481}, {"欧拉适用", 1}, {"直线适用", 0}, {"合格", 1}},
     "derived: 30 × 50 bar, pinned in the plane of h, fixed in the plane of b: each plane "
     "with its own I and i, the larger λ governs (Euler); python3"},
    {"压杆稳定/矩形压杆稳定校核.tfl",
     {"μ2=1"},
     {{"λ1", 103.9230485}, {"λ2", 173.2050808}, {"λ", 173.2050808}, {"σcr", 67.77128355},
      {"Fcr", 101656.9253}, {"n", 1.016569253}, {"欧拉适用", 1}, {"直线适用", 0}, {"合格", 0}},
     "derived: pinned both ways, the weak plane governs: Euler's load from π²E·hb³/12/L²; "
     "python3"},
    {"压杆稳定/矩形压杆稳定校核.tfl",
     {"L=1200"},
     {{"λ1", 83.13843876}, {"λ2", 69.2820323}, {"λ", 83.13843876}, {"σcr", 210.8849486},
      {"Fcr", 316327.4229}, {"n", 3.163274229}, {"欧拉适用", 0}, {"直线适用", 1}, {"合格", 1}},
     "derived: shorter bar, intermediate in the plane of h: straight line; python3"},
};

}  // namespace
}  // namespace orvik::testing
