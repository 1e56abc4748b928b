#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"弹簧/圆柱螺旋压缩弹簧.tfl",
     {},
     {{"C", 8}, {"K", 1.184017857}, {"k", 9.582519531}, {"f", 31.30700637}, {"τ", 452.2615072},
      {"合格", 1}},
     "derived: stiffness from the torsion of the unrolled wire (length πDn, torque FD/2, twist "
     "TL/(G·Ip)); τ = 8KFD/(πd³) with the Wahl factor by hand, within 1.5% of the Bergsträsser "
     "factor (4C + 2)/(4C - 3) (python3)"},
    {"弹簧/圆柱螺旋压缩弹簧.tfl",
     {"d=2.5", "D=15", "n=12", "F=300"},
     {{"C", 6}, {"K", 1.2525}, {"k", 9.464216821}, {"f", 31.69834395}, {"τ", 918.5659372},
      {"合格", 0}},
     "derived: stiffness from the torsion of the unrolled wire (length πDn, torque FD/2, twist "
     "TL/(G·Ip)); τ = 8KFD/(πd³) with the Wahl factor by hand, within 1.5% of the Bergsträsser "
     "factor (4C + 2)/(4C - 3) (python3); overloaded"},
    {"弹簧/圆柱螺旋拉伸弹簧.tfl",
     {},
     {{"k", 4.967578125}, {"f", 22.14358732}, {"τ", 346.4917536}, {"τ0", 92.39780097}, {"合格", 1}},
     "derived: stiffness from the torsion of the unrolled wire; stretch beyond the initial "
     "tension (F - F0)/k by hand (python3)"},
    {"弹簧/圆柱螺旋拉伸弹簧.tfl",
     {"F0=0", "F=350"},
     {{"k", 4.967578125}, {"f", 70.45686876}, {"τ", 808.4807585}, {"τ0", 0}, {"合格", 0}},
     "derived: stiffness from the torsion of the unrolled wire; stretch beyond the initial "
     "tension (F - F0)/k by hand (python3); no initial tension, overloaded"},
    {"弹簧/压缩弹簧几何尺寸.tfl",
     {},
     {{"n1", 10}, {"H0", 86}, {"Hb", 38}, {"α", 5.680629819}, {"L", 1010.270999}, {"D2", 36},
      {"D1", 28}},
     "derived: by hand; the wire length as the hypotenuse of the developed helix, n1·√((πD)² + "
     "t²)"},
    {"弹簧/压缩弹簧几何尺寸.tfl",
     {"磨平=0", "n2=2.5", "t=12"},
     {{"n1", 10.5}, {"H0", 110}, {"Hb", 46}, {"α", 6.806972581}, {"L", 1063.068605}, {"D2", 36},
      {"D1", 28}},
     "derived: by hand; the wire length as the hypotenuse of the developed helix, n1·√((πD)² + "
     "t²); ends closed, not ground"},
    {"弹簧/压缩弹簧稳定性.tfl",
     {},
     {{"b", 2.6875}, {"bc", 5.3, 0.01}, {"稳定", 1}},
     "GB/T 23935 and the textbooks give the slenderness limits 5.3 (both ends fixed), 3.7 (fixed "
     "and hinged) and 2.6 (both hinged) for steel springs"},
    {"弹簧/压缩弹簧稳定性.tfl",
     {"ν=1"},
     {{"b", 2.6875}, {"bc", 2.6, 0.015}, {"稳定", 0}},
     "GB/T 23935 and the textbooks give the slenderness limits 5.3 (both ends fixed), 3.7 (fixed "
     "and hinged) and 2.6 (both hinged) for steel springs"},
    {"弹簧/压缩弹簧稳定性.tfl",
     {"ν=0.7", "H0=110"},
     {{"b", 3.4375}, {"bc", 3.7, 0.02}, {"稳定", 1}},
     "GB/T 23935 and the textbooks give the slenderness limits 5.3 (both ends fixed), 3.7 (fixed "
     "and hinged) and 2.6 (both hinged) for steel springs"},
    {"弹簧/弹簧钢丝直径设计.tfl",
     {},
     {{"K", 1.184017857}, {"d", 3.00752891}, {"D", 24.06023128}},
     "derived: the stress τ = 8KFD/(πd³) with D = C·d solved for τ = τp by bisection (python3); "
     "the rule of thumb 1.6√(KFC/τp) agrees within 0.5%"},
    {"弹簧/弹簧钢丝直径设计.tfl",
     {"F=1200", "C=5", "τp=650"},
     {{"K", 1.3105}, {"d", 5.550185732}, {"D", 27.75092866}},
     "derived: the stress τ = 8KFD/(πd³) with D = C·d solved for τ = τp by bisection (python3); "
     "the rule of thumb 1.6√(KFC/τp) agrees within 0.5%"},
    {"弹簧/弹簧疲劳强度校核.tfl",
     {},
     {{"τmin", 150.7538357}, {"τmax", 452.2615072}, {"τ0", 510}, {"S", 1.377666166}, {"合格", 1}},
     "derived: stresses with the Wahl factor by hand; S as the ratio of the limit τ0 + 0.75τmin "
     "to τmax (python3)"},
    {"弹簧/弹簧疲劳强度校核.tfl",
     {"Fmin=0", "Fmax=350", "k0=0.33"},
     {{"τmin", 0}, {"τmax", 527.6384251}, {"τ0", 561}, {"S", 1.0632281}, {"合格", 0}},
     "derived: stresses with the Wahl factor by hand; S as the ratio of the limit τ0 + 0.75τmin "
     "to τmax (python3); pulsating load"},
    {"弹簧/圆柱螺旋扭转弹簧.tfl",
     {},
     {{"C", 8}, {"K1", 1.107142857}, {"σ", 881.0362921}, {"kT", 0.07490371373, 3e-05},
      {"φ", 66.75236448, 3e-05}, {"合格", 1}},
     "derived: the wire as a beam of length πDn bent by M, angle M·L/(E·I); 3667 in the formula "
     "is 64·180/π rounded (python3)"},
    {"弹簧/圆柱螺旋扭转弹簧.tfl",
     {"d=3", "M=4"},
     {{"C", 10.66666667}, {"K1", 1.077586207}, {"σ", 1626.104144}, {"kT", 0.02370000317, 3e-05},
      {"φ", 168.7763487, 3e-05}, {"合格", 0}},
     "derived: the wire as a beam of length πDn bent by M, angle M·L/(E·I); 3667 in the formula "
     "is 64·180/π rounded (python3); overstressed"},
};

}  // namespace
}  // namespace orvik::testing
