#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"电工/电阻串联与并联.tfl",
     {},
     {{"Rs", 790}, {"Rp", 59.97679814}, {"R12", 68.75}},
     "derived: 100, 220, 470 Ω: series sum; parallel 1/Σ(1/R); 100·220/320"},
    {"电工/电阻串联与并联.tfl",
     {"R1=1000", "R2=1000", "R3=1000"},
     {{"Rs", 3000}, {"Rp", 333.3333333}, {"R12", 500}},
     "derived: three equal resistors by hand: 3R and R/3"},
    {"电工/RC电路充放电.tfl",
     {},
     {{"τ", 1}, {"uc", 7.585446706}, {"ud", 4.414553294}, {"i0", 1.2}, {"fc", 0.1591549431}},
     "derived: τ = 10 kΩ·100 μF = 1 s; uc = 12(1 - e⁻¹); fc = 1/(2π)"},
    {"电工/RC电路充放电.tfl",
     {"t=5"},
     {{"τ", 1}, {"uc", 11.91914464}, {"ud", 0.08085536399}},
     "derived: after 5τ the capacitor holds 99.33% of U, by hand"},
    {"电工/电阻分压.tfl",
     {},
     {{"U2", 7.673469388}, {"I", 1.632653061}, {"R2L", 4489.016237}, {"U2L", 7.435728411}},
     "derived: U2 = 24·4.7/14.7; R2 ∥ RL = 4700·100000/104700"},
    {"电工/电阻分压.tfl",
     {"RL=1000000000"},
     {{"U2L", 7.673469388, 1e-05}},
     "derived: an almost open load leaves the unloaded divider voltage U·R2/(R1 + R2)"},
    {"电工/导线电阻与压降.tfl",
     {},
     {{"R20", 0.7}, {"Rt", 0.83755}, {"ΔU", 16.751}, {"Pl", 167.51}},
     "derived: copper 0.0175 Ω·mm²/m, 100 m, 2.5 mm²: 0.7 Ω; at 70 °C ×(1 + 0.00393·50)"},
    {"电工/导线电阻与压降.tfl",
     {"ρ=0.0283", "A=16", "L=50", "t=20", "I=60"},
     {{"R20", 0.0884375}, {"Rt", 0.0884375}, {"ΔU", 10.6125}, {"Pl", 636.75}},
     "derived: aluminium at 20 °C by hand: no temperature correction"},
    {"电工/三相交流功率.tfl",
     {},
     {{"S", 13.16358614}, {"P", 11.18904822}, {"Q", 6.934349285}},
     "derived: S = √3·380·20 VA; P = S·0.85; Q = S·√(1 - 0.85²)"},
    {"电工/三相交流功率.tfl",
     {"U=10000", "I=100", "cosφ=1"},
     {{"S", 1732.050808}, {"P", 1732.050808}, {"Q", 0}},
     "derived: unity power factor by hand: P = S, Q = 0"},
    {"电工/LC谐振频率.tfl",
     {},
     {{"f0", 5032.92121}, {"ω0", 31622.7766}, {"XL", 316.227766}, {"ρc", 316.227766}},
     "derived: f0 = 1/(2π√(LC)) with LC = 10⁻⁹ s²; ω0 = 31622.8 rad/s; √(L/C) = 316.2 Ω"},
    {"电工/LC谐振频率.tfl",
     {"L=0.1", "C=2.2"},
     {{"f0", 10730.22407}, {"ω0", 67419.98625}, {"XL", 6.741998625}, {"ρc", 6.741998625}},
     "derived: ω0 = 1/√(LC), characteristic impedance from the capacitive side 1/(ω0C) by hand"},
};

}  // namespace
}  // namespace orvik::testing
