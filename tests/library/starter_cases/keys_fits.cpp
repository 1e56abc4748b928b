#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

const StarterCases kCases = {
    {"键与过盈配合/平键连接强度.tfl",
     {},
     {{"l", 56}, {"σp", 79.36507937}, {"τ", 25.51020408}, {"合格", 1}},
     "derived: the torque as a force 2T/d on the hub's half of a round-ended key's flank; "
     "key 14×9 for d 50 from GB/T 1095; python3"},
    {"键与过盈配合/平键连接强度.tfl",
     {"T=2000", "d=70", "b=20", "h=12", "L=100", "型式=2", "σp许=100"},
     {{"l", 100}, {"σp", 95.24, 0.0001}, {"τ", 28.57, 0.0002}, {"合格", 1}},
     "worked example 6-3 of a mechanics of materials text (shaft 70 mm, key 20×12×100, 2 "
     "kN·m: crushing 95.24 MPa, shear 28.57 MPa), as published at "
     "daxuesoutijiang.com/questions-13d6e46a8f87d3c8ddc1ed6827f2d8ca"},
    {"键与过盈配合/平键连接强度.tfl",
     {"T=1000", "型式=3"},
     {{"l", 63}, {"σp", 141.0934744}, {"τ", 45.35147392}, {"合格", 0}},
     "derived: single round-ended key, working length L − b/2, force on the flank; python3"},
    {"键与过盈配合/矩形花键连接强度.tfl",
     {},
     {{"h", 1.4}, {"dm", 38}, {"σp", 78.32080201}, {"合格", 1}},
     "derived: force per tooth at the mean diameter over flank height times length; spline "
     "8×36×40 light series of GB/T 1144; python3"},
    {"键与过盈配合/矩形花键连接强度.tfl",
     {"T=1000"},
     {{"σp", 156.641604}, {"合格", 0}},
     "derived: force per tooth, twice the torque; python3"},
    {"键与过盈配合/过盈连接所需过盈量.tfl",
     {},
     {{"Ft", 16666.66667}, {"pmin", 12.280474}, {"δmin", 11.1776159}},
     "derived: Lamé's thick-cylinder solution, constants solved from the boundary "
     "pressures of each part, interference as the difference of radial displacements; "
     "python3"},
    {"键与过盈配合/过盈连接所需过盈量.tfl",
     {"T=1000", "Fa=20000", "d1=30", "d2=120", "l=50", "E2=120000", "ν2=0.25"},
     {{"Ft", 38873.01263}, {"pmin", 34.37128952}, {"δmin", 46.62092789}},
     "derived: hollow steel shaft in a cast-iron hub, torque with an axial force; Lamé "
     "solution as above; python3"},
    {"键与过盈配合/过盈连接承载能力与应力.tfl",
     {},
     {{"p", 32.96}, {"T", 1341.967744}, {"Fa", 44732.25815}, {"σe1", 32.96}, {"σe2", 103},
      {"合格", 1}},
     "derived: pressure by bisection on Lamé's interference, Tresca stresses from Lamé's "
     "stress fields at the hub bore and in the solid shaft; python3"},
    {"键与过盈配合/过盈连接承载能力与应力.tfl",
     {"δ=120", "d1=30", "d2=70"},
     {{"p", 50.2125}, {"T", 2044.403986}, {"Fa", 68146.79952}, {"σe1", 133.9}, {"σe2", 378.525},
      {"合格", 0}},
     "derived: hollow shaft, thin hub, large interference: the hub yields; Lamé solution "
     "as above; python3"},
    {"键与过盈配合/过盈连接热装温度.tfl",
     {},
     {{"Δt", 106.0606061}, {"t", 126.0606061}, {"合格", 1}},
     "derived: bore growth α·Δt·d set equal to interference plus gap, solved by bisection; "
     "python3"},
    {"键与过盈配合/过盈连接热装温度.tfl",
     {"δ=150", "Δ0=40", "d=40"},
     {{"Δt", 431.8181818}, {"t", 451.8181818}, {"合格", 0}},
     "derived: the same growth balance for a heavy fit on a small bore; python3"},
};

}  // namespace
}  // namespace orvik::testing
