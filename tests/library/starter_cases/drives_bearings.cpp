#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"传动与轴承/功率与转矩.tfl",
     {},
     {{"T", 49.39655172}, {"ω", 151.8436449}},
     "derived: T = 9550P/n; ω = 2πn/60"},
    {"传动与轴承/功率与转矩.tfl",
     {"P=0.75", "n=2880"},
     {{"T", 2.486795986, 0.0001}, {"ω", 301.5928947}},
     "derived: T = P/ω with ω = 2πn/60 in SI units by hand; 9550 is 30000/π rounded"},
    {"传动与轴承/V带传动几何尺寸.tfl",
     {},
     {{"i", 2.5}, {"α1", 162.7461469}, {"Ld0", 1561.028714}, {"a", 519.4856428}},
     "derived: Ld0 = 2a0 + π(d1 + d2)/2 + (d2 - d1)²/(4a0); α1 = 180° - 2 asin(150/1000)"},
    {"传动与轴承/V带传动几何尺寸.tfl",
     {"dd1=125", "dd2=400", "a0=700", "Ld=2240"},
     {{"i", 3.2}, {"α1", 157.3436223}, {"Ld0", 2251.764866, 0.0002}, {"a", 694.1175669, 0.0005}},
     "derived: exact open-belt length from the straight spans and the wrapped arcs (python3); "
     "the usual approximation agrees within 0.02%"},
    {"传动与轴承/滚动轴承寿命.tfl",
     {},
     {{"L10", 614.125}, {"L10h", 7058.908046}},
     "derived: L10 = (C/P)³ = 8.5³; L10h = 10⁶/(60n)·L10"},
    {"传动与轴承/滚动轴承寿命.tfl",
     {"ε=10/3", "C=52000", "P=4500"},
     {{"L10", 3488.478892}, {"L10h", 40097.45853}},
     "derived: a roller bearing, ε typed as 10/3, by hand"},
    {"传动与轴承/深沟球轴承当量动载荷.tfl",
     {"Fr=2000", "Fa=1008"},
     {{"e", 0.26}, {"Yt", 1.71}, {"轴向大", 1}, {"X", 0.56}, {"Y", 1.71}, {"P", 3412.416}},
     "the X, Y table of single-row deep groove ball bearings (GB/T 6391, ISO 281) as the "
     "textbooks print it: Fa/C0r 0.056 gives e 0.26 and Y 1.71, X 0.56; P by hand"},
    {"传动与轴承/深沟球轴承当量动载荷.tfl",
     {},
     {{"e", 0.2434920635}, {"Yt", 1.825555556}, {"轴向大", 1}, {"X", 0.56}, {"Y", 1.825555556},
      {"P", 3768.533333}},
     "derived: linear interpolation in the same table between Fa/C0r 0.028 and 0.056 by hand "
     "(python3)"},
    {"传动与轴承/深沟球轴承当量动载荷.tfl",
     {"Fa=300"},
     {{"e", 0.1957142857}, {"Yt", 2.240952381}, {"轴向大", 0}, {"X", 1}, {"Y", 0}, {"P", 3600}},
     "derived: Fa/Fr below e: X 1, Y 0, P = fp·Fr by hand"},
    {"传动与轴承/角接触轴承轴向载荷.tfl",
     {},
     {{"Fd1", 2040}, {"Fd2", 1020}, {"Fa1", 2040}, {"Fa2", 2840}, {"压紧2", 1}},
     "derived: the textbook rule (the pressed bearing takes the other derived force plus FA, the "
     "released one its own) worked out by hand; equilibrium Fa2 - Fa1 = FA checked"},
    {"传动与轴承/角接触轴承轴向载荷.tfl",
     {"FA=-1500"},
     {{"Fd1", 2040}, {"Fd2", 1020}, {"Fa1", 2520}, {"Fa2", 1020}, {"压紧2", 0}},
     "derived: the textbook rule (the pressed bearing takes the other derived force plus FA, the "
     "released one its own) worked out by hand; equilibrium Fa2 - Fa1 = FA checked; the external "
     "force reversed presses bearing 1"},
    {"传动与轴承/角接触轴承轴向载荷.tfl",
     {"kd=0.3125", "FA=200", "Fr1=2000", "Fr2=4000"},
     {{"Fd1", 625}, {"Fd2", 1250}, {"Fa1", 1050}, {"Fa2", 1250}, {"压紧2", 0}},
     "derived: the textbook rule (the pressed bearing takes the other derived force plus FA, the "
     "released one its own) worked out by hand; equilibrium Fa2 - Fa1 = FA checked; tapered "
     "roller bearings with Y 1.6"},
    {"传动与轴承/滚动轴承修正寿命.tfl",
     {},
     {{"L10", 950.8287037}, {"L10h", 10929.06556}, {"Lnm", 950.8287037}, {"Lnmh", 10929.06556},
      {"合格", 1}},
     "derived: revolutions (ftC/P)^ε·10^6 turned into hours at n r/min by hand"},
    {"传动与轴承/滚动轴承修正寿命.tfl",
     {"ε=10/3", "ft=0.9", "a1=0.25", "C=52000", "P=4500"},
     {{"L10", 2455.337128}, {"L10h", 28222.26584}, {"Lnm", 613.834282}, {"Lnmh", 7055.56646},
      {"合格", 0}},
     "derived: revolutions (ftC/P)^ε·10^6 turned into hours at n r/min by hand; a roller bearing "
     "at 150 °C, 99% reliability (a1 0.25 of GB/T 6391—2010 typed as input)"},
    {"传动与轴承/滚动轴承所需额定动载荷.tfl",
     {},
     {{"Cr", 28639.20813}, {"合格", 1}},
     "derived: the life formula solved for C by bisection at the required hours (python3)"},
    {"传动与轴承/滚动轴承所需额定动载荷.tfl",
     {"Lh=40000", "ε=10/3"},
     {{"Cr", 34641.3675}, {"合格", 0}},
     "derived: the life formula solved for C by bisection at the required hours (python3); a "
     "roller bearing for continuous work"},
    {"传动与轴承/滚动轴承静载荷.tfl",
     {},
     {{"P0", 3000}, {"S0", 6}, {"合格", 1}},
     "derived: by hand; X0·Fr + Y0·Fa = 2200 is below Fr, so P0 = Fr"},
    {"传动与轴承/滚动轴承静载荷.tfl",
     {"Fa=9000", "S0min=4", "X0=0.5", "Y0=0.38"},
     {{"P0", 4920}, {"S0", 3.658536585}, {"合格", 0}},
     "derived: by hand; an angular contact bearing under a large axial load"},
    {"传动与轴承/向心推力轴承当量动载荷.tfl",
     {},
     {{"轴向大", 1}, {"P", 4440.96}},
     "derived: P = fp(X·Fr + Y·Fa) or fp·Fr by hand with the 70000AC factors e 0.68, X 0.41, Y "
     "0.87 as inputs; bearing 2 of the pair in 角接触轴承轴向载荷"},
    {"传动与轴承/向心推力轴承当量动载荷.tfl",
     {"Fa=1800"},
     {{"轴向大", 0}, {"P", 3600}},
     "derived: P = fp(X·Fr + Y·Fa) or fp·Fr by hand with the 70000AC factors e 0.68, X 0.41, Y "
     "0.87 as inputs; Fa/Fr 0.6 below e"},
};

}  // namespace
}  // namespace orvik::testing
