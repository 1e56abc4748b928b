#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"齿轮强度/齿面接触疲劳强度校核.tfl",
     {},
     {{"εα", 1.711316529}, {"αwt", 20}, {"aw", 126.25}, {"Zε", 0.8734383151}, {"σH", 532.7031706},
      {"SH", 1.03246992}, {"合格", 1}},
     "derived: Hertz contact stress at the pitch point from the normal load and the normal-plane "
     "radii of curvature (E 206000, ν 0.3, scaled to ZE 189.8), εα from the tip pressure angles, "
     "times GB/T 3480's Zε, Zβ and √K (python3)"},
    {"齿轮强度/齿面接触疲劳强度校核.tfl",
     {"T1=160", "β=12", "x1=0.3", "x2=-0.1"},
     {{"εα", 1.579845352}, {"αwt", 20.98870872}, {"aw", 129.5637791}, {"Zε", 0.795596221},
      {"σH", 642.0348876}, {"SH", 0.8566512671}, {"合格", 0}},
     "derived: Hertz contact stress at the pitch point from the normal load and the normal-plane "
     "radii of curvature (E 206000, ν 0.3, scaled to ZE 189.8), εα from the tip pressure angles, "
     "times GB/T 3480's Zε, Zβ and √K (python3); helical, shifted, overloaded"},
    {"齿轮强度/齿根弯曲疲劳强度校核.tfl",
     {},
     {{"εα", 1.711316529}, {"Yε", 0.6882590756}, {"Yβ", 1}, {"σF1", 83.68575136},
      {"σF2", 78.44514854}, {"SF1", 5.496754137}, {"SF2", 5.354059592}, {"合格", 1}},
     "derived: εα from the tip pressure angles (not the path of contact), then σF = "
     "K·Ft·YFa·YSa·Yε·Yβ/(b·mn) and SF worked out by hand (python3)"},
    {"齿轮强度/齿根弯曲疲劳强度校核.tfl",
     {"T1=400", "β=15", "x1=0.2", "x2=0.2", "YFa1=2.6", "YSa1=1.6", "YFa2=2.2", "YSa2=1.78"},
     {{"εα", 1.547702781}, {"Yε", 0.7059251003}, {"Yβ", 0.875}, {"σF1", 360.3880669},
      {"σF2", 339.2499207}, {"SF1", 1.276401863}, {"SF2", 1.238025345}, {"合格", 0}},
     "derived: εα from the tip pressure angles (not the path of contact), then σF = "
     "K·Ft·YFa·YSa·Yε·Yβ/(b·mn) and SF worked out by hand (python3); helical, shifted, "
     "overloaded"},
    {"齿轮强度/齿轮寿命系数.tfl",
     {},
     {{"N1", 1382400000}, {"N2", 432000000}, {"ZN1", 1}, {"ZN2", 1}, {"YN1", 1}, {"YN2", 1}},
     "derived: N = 60·n·j·Lh by hand; the life curve read piecewise: 1.6 up to 10^5, "
     "(5·10^7/N)^0.0756 to 5·10^7, then 1; 2.5 up to 10^4, (3·10^6/N)^0.16 to 3·10^6, then 1 "
     "(python3)"},
    {"齿轮强度/齿轮寿命系数.tfl",
     {"n1=50", "Lh=1000"},
     {{"N1", 3000000}, {"N2", 937500}, {"ZN1", 1.237005884}, {"ZN2", 1.350706855}, {"YN1", 1},
      {"YN2", 1.204547683}},
     "derived: N = 60·n·j·Lh by hand; the life curve read piecewise: 1.6 up to 10^5, "
     "(5·10^7/N)^0.0756 to 5·10^7, then 1; 2.5 up to 10^4, (3·10^6/N)^0.16 to 3·10^6, then 1 "
     "(python3); both on the sloping part"},
    {"齿轮强度/齿轮寿命系数.tfl",
     {"n1=10", "Lh=100"},
     {{"N1", 60000}, {"N2", 18750}, {"ZN1", 1.6}, {"ZN2", 1.6}, {"YN1", 1.869972418},
      {"YN2", 2.252470943}},
     "derived: N = 60·n·j·Lh by hand; the life curve read piecewise: 1.6 up to 10^5, "
     "(5·10^7/N)^0.0756 to 5·10^7, then 1; 2.5 up to 10^4, (3·10^6/N)^0.16 to 3·10^6, then 1 "
     "(python3); the static limits"},
    {"齿轮强度/齿轮按接触强度设计.tfl",
     {},
     {{"σHP", 550}, {"d1", 53.57753586}, {"b", 53.57753586}},
     "derived: the contact check σH = ZH·ZE·Zε·Zβ·√(K·Ft·(u+1)/(b·d1·u)) with b = φd·d1 solved "
     "for σH = σHP by bisection (python3)"},
    {"齿轮强度/齿轮按接触强度设计.tfl",
     {"T1=500", "u=4", "φd=0.8", "ZH=2.45", "Zβ=0.99", "σHlim=1500"},
     {{"σHP", 1500}, {"d1", 52.51355825}, {"b", 42.0108466}},
     "derived: the contact check σH = ZH·ZE·Zε·Zβ·√(K·Ft·(u+1)/(b·d1·u)) with b = φd·d1 solved "
     "for σH = σHP by bisection (python3); a case-hardened helical pair"},
    {"齿轮强度/齿轮按弯曲强度设计.tfl",
     {},
     {{"σFP", 328.5714286}, {"mn", 1.462651889}},
     "derived: the bending check σF = K·Ft·YFa·YSa·Yε·Yβ/(b·mn) with d1 = mn·z1/cosβ and b = "
     "φd·d1 solved for σF = σFP by bisection (python3)"},
    {"齿轮强度/齿轮按弯曲强度设计.tfl",
     {"T1=500", "z1=21", "β=14", "φd=0.8", "Yβ=0.88", "YFa=2.7", "YSa=1.57", "σFlim=460"},
     {{"σFP", 657.1428571}, {"mn", 2.374685357}},
     "derived: the bending check σF = K·Ft·YFa·YSa·Yε·Yβ/(b·mn) with d1 = mn·z1/cosβ and b = "
     "φd·d1 solved for σF = σFP by bisection (python3); a case-hardened helical pinion"},
};

}  // namespace
}  // namespace orvik::testing
