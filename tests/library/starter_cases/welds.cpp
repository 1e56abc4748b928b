#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

const StarterCases kCases = {
    {"焊接/角焊缝受剪.tfl",
     {},
     {{"he", 5.6}, {"τf", 89.28571429}, {"合格", 1}},
     "derived: force over the throat area 0.7hf·lw by hand; ffw 160 MPa for E43 electrodes "
     "on Q235 (GB 50017); python3"},
    {"焊接/角焊缝受剪.tfl",
     {"F=300000"},
     {{"he", 5.6}, {"τf", 178.5714286}, {"合格", 0}},
     "derived: by hand, side welds overloaded; python3"},
    {"焊接/角焊缝受剪.tfl",
     {"F=300000", "βf=1.22"},
     {{"he", 5.6}, {"τf", 178.5714286}, {"合格", 1}},
     "derived: by hand; the same welds as front welds under static load pass with βf 1.22; "
     "python3"},
    {"焊接/对接焊缝强度.tfl",
     {},
     {{"σ", 50}, {"τ", 15}, {"σe", 56.34713835}, {"合格", 1}},
     "derived: shear peak as V·S/(I·t) at the centre of the weld section, combined √(σ² + "
     "3τ²); python3"},
    {"焊接/对接焊缝强度.tfl",
     {"N=2000000"},
     {{"σ", 200}, {"τ", 15}, {"σe", 201.6804403}, {"合格", 0}},
     "derived: as above, the tension over its design value; python3"},
    {"焊接/角焊缝受弯矩和剪力.tfl",
     {},
     {{"he", 5.6}, {"σf", 71.42857144}, {"τf", 17.85714286}, {"σe", 61.21067679}, {"合格", 1}},
     "derived: second moment of the two throat areas summed slice by slice, stress at the "
     "outermost fibre; python3"},
    {"焊接/角焊缝受弯矩和剪力.tfl",
     {"M=40000"},
     {{"he", 5.6}, {"σf", 238.0952381}, {"τf", 17.85714286}, {"σe", 195.9752927}, {"合格", 0}},
     "derived: as above, overloaded; python3"},
    {"焊接/圆管环形角焊缝.tfl",
     {},
     {{"he", 4.2}, {"τf", 38.27196977}, {"σf", 42.57756637}, {"σe", 51.79506599}, {"合格", 1}},
     "derived: the throat ring cut into 36000 pieces, polar moment and area by summation; "
     "python3"},
    {"焊接/圆管环形角焊缝.tfl",
     {"T=10000"},
     {{"he", 4.2}, {"τf", 191.3598489}, {"σf", 42.57756637}, {"σe", 194.516264}, {"合格", 0}},
     "derived: as above, five times the torque; python3"},
};

}  // namespace
}  // namespace orvik::testing
