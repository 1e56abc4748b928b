#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"流体/管道流速与雷诺数.tfl",
     {},
     {{"v", 1.414710605}, {"Re", 70313.64837}, {"层流", 0}},
     "derived: 10 m³/h in d 50 mm: v = Q/A; Re = vd/ν with ν 1.006·10⁻⁶ m²/s"},
    {"流体/管道流速与雷诺数.tfl",
     {"Q=1.8", "d=20", "ν=46"},
     {{"v", 1.591549431}, {"Re", 691.9780134}, {"层流", 1}},
     "derived: v = 4Q/(πd²), Re = vd/ν by hand in SI units: Re ≈ 692, laminar, as the issue "
     "states"},
    {"流体/管道沿程压力损失.tfl",
     {},
     {{"v", 1.414710605}, {"Re", 70313.64837}, {"λ", 0.02317507262}, {"Δp", 46299.24271},
      {"hf", 4.728107200}, {"λ", 0.02300990, 0.01}, {"Δp", 45969.26, 0.01}},
     "derived: the Colebrook equation for Δ/d 0.001 solved by fixed-point iteration (python3) "
     "gives λ 0.023010, Δp 45969 Pa; the explicit approximation stays within 1% of it"},
    {"流体/管道沿程压力损失.tfl",
     {"Δ=0"},
     {{"λ", 0.01925348402}, {"Δp", 38464.67903}, {"λ", 0.01938578, 0.01}, {"Δp", 38728.97, 0.01}},
     "derived: smooth pipe; Colebrook solved by iteration (python3): λ 0.019386, Δp 38729 Pa"},
    {"流体/管道沿程压力损失.tfl",
     {"Q=1.8", "d=20", "ν=46", "ρ=870", "A=75"},
     {{"v", 1.591549431}, {"Re", 691.9780134}, {"λ", 0.1083849465}, {"Δp", 597129.4521}},
     "derived: hydraulic oil, laminar: v = 4Q/(πd²), Re = vd/ν, λ = 75/Re, Δp = λ(L/d)ρv²/2 "
     "worked out by hand"},
    {"流体/液压缸推力与速度.tfl",
     {},
     {{"F1", 47752.20833}, {"F2", 32643.11117}, {"v1", 3.978873577}, {"v2", 5.820523633}},
     "derived: D 80, d 45, 10 MPa: F = pAη; v = Q/A with 20 L/min"},
    {"流体/液压缸推力与速度.tfl",
     {"D=63", "d=35", "p=16", "Q=30"},
     {{"F1", 47382.12872}, {"F2", 32758.01492}, {"v1", 9.623881668}, {"v2", 13.92025741}},
     "derived: force = p·area·ηm, speed = Q/area with L/min turned into mm³/min by hand"},
    {"流体/薄壁孔口流量.tfl",
     {},
     {{"A", 78.53981634}, {"v", 33.90317518}, {"Q", 99.05426846}},
     "derived: v = √(2Δp/ρ) = √(10⁶/870); Q = Cd A v"},
    {"流体/薄壁孔口流量.tfl",
     {"Cd=0.61", "d0=2", "Δp=3", "ρ=890"},
     {{"A", 3.141592654}, {"v", 82.10708273}, {"Q", 9.440860489}},
     "derived: Bernoulli v = √(2Δp/ρ) and Q = Cd·A·v in SI units, turned into L/min by hand"},
};

}  // namespace
}  // namespace orvik::testing
