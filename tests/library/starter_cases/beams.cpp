#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Beams given by I and W; the defaults are the hot-rolled I-beam I20a of GB/T 706
// (Ix 2370 cm⁴, Wx 237 cm³). Angles in degrees.
const StarterCases kCases = {
    {"梁与轴/型材简支梁跨中集中载荷.tfl",
     {},
     {{"M", 15000}, {"σ", 63.29113924}, {"f", 2.304289044, 1e-05}, {"θ", 0.1320260373, 1e-05},
      {"强度合格", 1}, {"刚度合格", 1}},
     "derived: elastic curve from M/EI integrated twice numerically (20000 steps) with the "
     "supports' conditions; python3"},
    {"梁与轴/型材简支梁跨中集中载荷.tfl",
     {"F=80000", "L=6000"},
     {{"M", 120000}, {"σ", 506.3291139}, {"f", 73.73724942, 1e-05}, {"θ", 2.112416598, 1e-05},
      {"强度合格", 0}, {"刚度合格", 0}},
     "derived: elastic curve from M/EI integrated twice numerically (20000 steps) with the "
     "supports' conditions, overloaded; python3"},
    {"梁与轴/型材简支梁均布载荷.tfl",
     {},
     {{"R", 20000}, {"M", 20000}, {"σ", 84.38818565}, {"f", 6.827523084, 1e-05},
      {"θ", 0.3129506063, 1e-05}, {"强度合格", 1}, {"刚度合格", 1}},
     "derived: elastic curve from M/EI integrated twice numerically (20000 steps) with the "
     "supports' conditions; python3"},
    {"梁与轴/型材简支梁均布载荷.tfl",
     {"q=20", "L=6000"},
     {{"R", 60000}, {"M", 90000}, {"σ", 379.7468354}, {"f", 69.12867122, 1e-05},
      {"θ", 2.112416592, 1e-05}, {"强度合格", 0}, {"刚度合格", 0}},
     "derived: elastic curve from M/EI integrated twice numerically (20000 steps) with the "
     "supports' conditions, overloaded; python3"},
    {"梁与轴/型材悬臂梁集中载荷.tfl",
     {},
     {{"M", 7500}, {"σ", 31.64556962}, {"f", 1.152144524, 1e-05}, {"θ", 0.06601301867, 1e-05},
      {"强度合格", 1}, {"刚度合格", 1}},
     "derived: elastic curve from M/EI integrated twice numerically (20000 steps) with the "
     "supports' conditions; python3"},
    {"梁与轴/型材悬臂梁集中载荷.tfl",
     {"F=20000", "L=3000"},
     {{"M", 60000}, {"σ", 253.164557}, {"f", 36.86862478, 1e-05}, {"θ", 1.056208299, 1e-05},
      {"强度合格", 0}, {"刚度合格", 0}},
     "derived: elastic curve from M/EI integrated twice numerically (20000 steps) with the "
     "supports' conditions, overloaded; python3"},
    {"梁与轴/型材悬臂梁均布载荷.tfl",
     {},
     {{"M", 10000}, {"σ", 42.19409283}, {"f", 2.048256933, 1e-05}, {"θ", 0.07823765186, 1e-05},
      {"强度合格", 1}, {"刚度合格", 1}},
     "derived: elastic curve from M/EI integrated twice numerically (20000 steps) with the "
     "supports' conditions; python3"},
    {"梁与轴/型材悬臂梁均布载荷.tfl",
     {"q=10", "L=4000"},
     {{"M", 80000}, {"σ", 337.5527426}, {"f", 65.54422187, 1e-05}, {"θ", 1.25180243, 1e-05},
      {"强度合格", 0}, {"刚度合格", 0}},
     "derived: elastic curve from M/EI integrated twice numerically (20000 steps) with the "
     "supports' conditions, overloaded; python3"},
    {"梁与轴/两端固定梁跨中集中载荷.tfl",
     {},
     {{"M", 15000}, {"σ", 63.29113924}, {"f", 1.152144513, 1e-05}, {"强度合格", 1}, {"刚度合格", 1}},
     "derived: the end moment and reaction solved from zero slope and deflection at the "
     "far end over numerically integrated curves (superposition); python3"},
    {"梁与轴/两端固定梁跨中集中载荷.tfl",
     {"F=200000", "L=6000"},
     {{"M", 150000}, {"σ", 632.9113924}, {"f", 46.08578054, 1e-05}, {"强度合格", 0}, {"刚度合格", 0}},
     "derived: the same numerical solution of the statically indeterminate beam, "
     "overloaded; python3"},
    {"梁与轴/简支梁任意位置集中载荷.tfl",
     {},
     {{"b", 2000}, {"R1", 13333.33333}, {"R2", 6666.666667}, {"M", 13333.33333},
      {"σ", 56.25879044}, {"fF", 1.820672827, 1e-05}, {"f", 1.982097519, 1e-05}, {"强度合格", 1},
      {"刚度合格", 1}},
     "derived: elastic curve from M/EI integrated twice numerically (30000 steps) with the "
     "supports' conditions; the largest deflection found on the grid; python3"},
    {"梁与轴/简支梁任意位置集中载荷.tfl",
     {"F=80000", "a=4000", "L=6000"},
     {{"b", 2000}, {"R1", 26666.66667}, {"R2", 53333.33333}, {"M", 106666.6667},
      {"σ", 450.0703235}, {"fF", 58.26153048, 1e-05}, {"f", 63.4271206, 1e-05}, {"强度合格", 0},
      {"刚度合格", 0}},
     "derived: load nearer the right support (a > b); elastic curve from M/EI integrated "
     "twice numerically (30000 steps) with the supports' conditions; python3"},
    {"梁与轴/工字形截面特性.tfl",
     {},
     {{"A", 3520.4}, {"Ix", 23545266.39}, {"Wx", 235452.6639}, {"ix", 81.78163674},
      {"Iy", 1905064.967}, {"Wy", 38101.29933}, {"iy", 23.26263407}},
     "derived: flanges and web as three rectangles with the parallel-axis theorem; python3"},
    {"梁与轴/工字形截面特性.tfl",
     {},
     {{"Ix", 23700000, 0.01}, {"Wx", 237000, 0.01}},
     "GB/T 706 I20a (h 200, b 100, d 7, t 11.4): Ix 2370 cm⁴, Wx 237 cm³; the formula "
     "ignores the root fillets and comes within 1%"},
    {"梁与轴/工字形截面特性.tfl",
     {"H=400", "B=200", "tw=8", "tf=12"},
     {{"A", 7808}, {"Ix", 216148650.7}, {"Wx", 1080743.253}, {"ix", 166.3820083},
      {"Iy", 16016042.67}, {"Wy", 160160.4267}, {"iy", 45.29056163}},
     "derived: welded H-section, three rectangles with the parallel-axis theorem; python3"},
};

}  // namespace
}  // namespace orvik::testing
