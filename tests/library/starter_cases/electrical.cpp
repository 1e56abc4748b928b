#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"电工/电阻串联与并联.tfl",
     {},
     {{"Rs", 790}, {"Rp", 59.97679814}, {"R12", 68.75}},
     "derived: 100, 220, 470 Ω: series sum; parallel 1/Σ(1/R); 100·220/320"},
    {"电工/RC电路充放电.tfl",
     {},
     {{"τ", 1}, {"uc", 7.585446706}, {"ud", 4.414553294}, {"i0", 1.2}, {"fc", 0.1591549431}},
     "derived: τ = 10 kΩ·100 μF = 1 s; uc = 12(1 - e⁻¹); fc = 1/(2π)"},
    {"电工/电阻分压.tfl",
     {},
     {{"U2", 7.673469388}, {"I", 1.632653061}, {"R2L", 4489.016237}, {"U2L", 7.435728411}},
     "derived: U2 = 24·4.7/14.7; R2 ∥ RL = 4700·100000/104700"},
    {"电工/导线电阻与压降.tfl",
     {},
     {{"R20", 0.7}, {"Rt", 0.83755}, {"ΔU", 16.751}, {"Pl", 167.51}},
     "derived: copper 0.0175 Ω·mm²/m, 100 m, 2.5 mm²: 0.7 Ω; at 70 °C ×(1 + 0.00393·50)"},
    {"电工/三相交流功率.tfl",
     {},
     {{"S", 13.16358614}, {"P", 11.18904822}, {"Q", 6.934349285}},
     "derived: S = √3·380·20 VA; P = S·0.85; Q = S·√(1 - 0.85²)"},
    {"电工/LC谐振频率.tfl",
     {},
     {{"f0", 5032.92121}, {"ω0", 31622.7766}, {"XL", 316.227766}, {"ρc", 316.227766}},
     "derived: f0 = 1/(2π√(LC)) with LC = 10⁻⁹ s²; ω0 = 31622.8 rad/s; √(L/C) = 316.2 Ω"},
};

}  // namespace
}  // namespace orvik::testing
