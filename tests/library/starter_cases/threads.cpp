#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"螺纹/普通螺纹基本尺寸.tfl",
     {},
     {{"d2", 9.0257215}, {"d1", 8.376202}, {"d3", 8.1596965}, {"d2", 9.026, 0.0001},
      {"d1", 8.376, 0.0001}},
     "GB/T 196 basic dimensions: M10 d2 = 9.026, d1 = 8.376; the unrounded values and d3 = d - "
     "1.226869P by hand"},
    {"螺纹/普通螺纹基本尺寸.tfl",
     {"d=16", "P=2"},
     {{"d2", 14.701, 0.0001}, {"d1", 13.835, 0.0001}},
     "GB/T 196 basic dimensions: M16 (P 2) d2 = D2 = 14.701, d1 = D1 = 13.835"},
    {"螺纹/螺纹应力截面积.tfl",
     {},
     {{"As", 57.9895969}, {"As", 58.0, 0.001}},
     "GB/T 3098.1 nominal stress area: M10 As = 58.0 mm²; the unrounded value by hand"},
    {"螺纹/螺纹应力截面积.tfl",
     {"d=12", "P=1.75"},
     {{"As", 84.3, 0.0035}},
     "GB/T 3098.1 nominal stress area: M12 As = 84.3 mm²"},
    {"螺纹/螺纹应力截面积.tfl",
     {"d=16", "P=2"},
     {{"As", 157, 0.0035}},
     "GB/T 3098.1 nominal stress area: M16 As = 157 mm²"},
    {"螺纹/螺纹应力截面积.tfl",
     {"d=20", "P=2.5"},
     {{"As", 245, 0.0035}},
     "GB/T 3098.1 nominal stress area: M20 As = 245 mm²"},
    {"螺纹/紧螺栓连接拉伸强度.tfl",
     {},
     {{"d1", 8.376202}, {"σca", 235.9169726}, {"σp", 426.6666667}, {"合格", 1}},
     "derived: d1 = 8.376 (GB/T 196); σca = 1.3F0/(πd1²/4); [σ] = 640/1.5"},
    {"螺纹/紧螺栓连接拉伸强度.tfl",
     {"d=8", "P=1.25", "F0=12000"},
     {{"d1", 6.646835307}, {"σca", 449.5778239}, {"σp", 426.6666667}, {"合格", 0}},
     "derived: d1 from the basic profile d - 2·5H/8 with H = (√3/2)P, σ = 1.3F0/(πd1²/4) by "
     "hand; an overloaded M8"},
    {"螺纹/螺栓拧紧力矩.tfl",
     {},
     {{"ψ", 3.028150543}, {"φv", 9.826429816}, {"T1", 10.29818671}, {"T2", 10.125},
      {"T", 20.42318671}, {"K", 0.2042318671}},
     "derived: d2 = 9.026: ψ = atan(1.5/(9.026π)); φv = atan(0.15/cos 30°); T2 = "
     "10000·0.15·13.5/2 N·mm; K near 0.2"},
    {"螺纹/螺栓拧紧力矩.tfl",
     {"d=16", "P=2", "F0=40000", "s=24", "d0=17.5"},
     {{"d2", 14.70096189}, {"T1", 64.13910192}, {"T2", 62.25}, {"T", 126.3891019},
      {"K", 0.1974829718}},
     "derived: thread and bearing-face friction torques by hand with d2 = d - 2·3H/8; K comes "
     "out near 0.2 as usual"},
    {"螺纹/梯形螺纹基本尺寸.tfl",
     {},
     {{"ac", 0.5}, {"d2", 36.5}, {"d3", 32}, {"D4", 41}, {"D1", 33}},
     "GB/T 5796.3 basic dimensions: Tr40×7 d2 = 36.5, d3 = 32, D4 = 41, D1 = 33 (ac = 0.5)"},
    {"螺纹/梯形螺纹基本尺寸.tfl",
     {"d=20", "P=4"},
     {{"d2", 18}, {"d3", 15.5}, {"D4", 20.5}, {"D1", 16}},
     "GB/T 5796.3 basic dimensions: Tr20×4 d2 = D2 = 18, d3 = 15.5, D4 = 20.5, D1 = 16"},
    {"螺纹/螺旋传动效率与自锁.tfl",
     {},
     {{"ψ", 3.493327692}, {"φv", 5.910638915}, {"η", 0.3685890069}, {"自锁", 1}},
     "derived: Tr40×7: ψ = atan(7/(36.5π)); φv = atan(0.1/cos 15°); η = tan ψ/tan(ψ + φv)"},
    {"螺纹/螺旋传动效率与自锁.tfl",
     {"n=2", "d2=36.5"},
     {{"Ph", 14}, {"ψ", 6.960874954}, {"φv", 5.910638915}, {"η", 0.5342998747}, {"自锁", 0}},
     "derived: efficiency as the work F·Ph over 2π·T for one turn, T = F·d2/2·tan(ψ + φv) "
     "(python3); a two-start screw does not lock"},
};

}  // namespace
}  // namespace orvik::testing
