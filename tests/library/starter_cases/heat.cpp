#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"传热/单层平壁导热.tfl",
     {},
     {{"R", 0.3}, {"q", 83.33333333}, {"Φ", 833.3333333}},
     "derived: q = λΔt/δ = 0.8·25/0.24"},
    {"传热/单层平壁导热.tfl",
     {"λ=0.04", "δ=100", "t1=150", "t2=30", "A=2"},
     {{"R", 2.5}, {"q", 48}, {"Φ", 96}},
     "derived: Fourier's law q = λΔt/δ by hand; mineral wool"},
    {"传热/三层平壁导热.tfl",
     {},
     {{"R1", 0.2090909091}, {"R2", 0.7666666667}, {"R3", 0.3}, {"q", 587.8859857},
      {"t2", 677.0783848}, {"t3", 226.3657957}},
     "derived: R = δ/λ per layer; q = 750/ΣR; t2 = t1 - qR1; t3 = t2 - qR2"},
    {"传热/三层平壁导热.tfl",
     {"δ3=0"},
     {{"q", 768.6335404}, {"t2", 639.2857143}, {"t3", 50}},
     "derived: series thermal resistances by hand; two layers only"},
    {"传热/圆筒壁导热.tfl",
     {},
     {{"R", 1.103178001}, {"ql", 99.71192312}, {"Φ", 99.71192312}},
     "derived: Φ = 2πλLΔt/ln(d2/d1) = 2π·0.1·110/ln 2"},
    {"传热/圆筒壁导热.tfl",
     {"d1=57", "d2=157", "λ=0.05", "L=20", "t1=250", "t2=35"},
     {{"R", 3.225098379}, {"ql", 66.66463305}, {"Φ", 1333.292661}},
     "derived: the wall as thin shells in series, resistance dr/(2πλr) integrated numerically "
     "(python3)"},
    {"传热/平壁传热过程.tfl",
     {},
     {{"k", 2.134570766}, {"q", 64.03712297}, {"Φ", 64.03712297}, {"tw1", 11.99535963},
      {"tw2", -7.215777262}},
     "derived: k = 1/(1/8 + 0.24/0.8 + 1/23); q = kΔt; tw = tf ∓ q/h"},
    {"传热/平壁传热过程.tfl",
     {"tf1=90", "tf2=20", "h1=1500", "h2=10", "δ=3", "λ=45", "A=2"},
     {{"k", 9.927200529}, {"q", 694.9040371}, {"Φ", 1389.808074}, {"tw1", 89.53673064},
      {"tw2", 89.49040371}},
     "derived: series resistances 1/h1 + δ/λ + 1/h2 by hand; a hot water steel plate cooled by "
     "air"},
    {"传热/线膨胀与热应力.tfl",
     {},
     {{"ΔL", 1.15}, {"σ", 236.9}},
     "derived: ΔL = 11.5·10⁻⁶·1000·100; σ = Eα Δt"},
    {"传热/线膨胀与热应力.tfl",
     {"t2=-30", "αl=23", "E=70000"},
     {{"ΔL", -1.15}, {"σ", -80.5}},
     "derived: by hand; an aluminium bar cooled by 50 K: a negative stress is tension"},
};

}  // namespace
}  // namespace orvik::testing
