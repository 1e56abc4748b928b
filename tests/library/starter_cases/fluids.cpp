#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"流体/管道流速与雷诺数.tfl",
     {},
     {{"v", 1.414710605}, {"Re", 70313.64837}, {"层流", 0}},
     "derived: 10 m³/h in d 50 mm: v = Q/A; Re = vd/ν with ν 1.006·10⁻⁶ m²/s"},
    {"流体/管道沿程压力损失.tfl",
     {},
     {{"v", 1.414710605}, {"Re", 70313.64837}, {"λ", 0.01943016849}, {"Δp", 38817.65989},
      {"hf", 3.964083351}},
     "derived: Blasius λ = 0.3164/Re^0.25; Δp = λ(L/d)ρv²/2; hf = Δp/(ρg)"},
    {"流体/液压缸推力与速度.tfl",
     {},
     {{"F1", 47752.20833}, {"F2", 32643.11117}, {"v1", 3.978873577}, {"v2", 5.820523633}},
     "derived: D 80, d 45, 10 MPa: F = pAη; v = Q/A with 20 L/min"},
    {"流体/薄壁孔口流量.tfl",
     {},
     {{"A", 78.53981634}, {"v", 33.90317518}, {"Q", 99.05426846}},
     "derived: v = √(2Δp/ρ) = √(10⁶/870); Q = Cd A v"},
};

}  // namespace
}  // namespace orvik::testing
