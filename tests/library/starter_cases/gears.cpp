#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"齿轮/标准直齿圆柱齿轮几何尺寸.tfl",
     {},
     {{"d", 40}, {"db", 37.58770483}, {"da", 44}, {"df", 35}, {"p", 6.283185307},
      {"pb", 5.904262868}, {"s", 3.141592654}, {"h", 4.5}},
     "derived: m 2, z 20: d = mz; db = d cos 20° (cos 20° = 0.9396926); da = d + 2m; df = d - "
     "2.5m; p = πm"},
    {"齿轮/公法线长度.tfl",
     {},
     {{"k", 4}, {"W", 21.50525241}, {"W", 21.505, 0.0001}},
     "derived: table W* for m 1, z 30, k 4: 10.7526, so W = 21.505 at m 2; by hand W = "
     "2cos20°(3.5π + 30 inv 20°), inv 20° = 0.014904"},
    {"齿轮/公法线长度.tfl",
     {"m=3", "z=25", "x=0.4"},
     {{"k", 4}, {"W", 32.86864387}},
     "derived: base tangent length from the involute geometry directly, (k - 1)·pb + sb with "
     "sb = db(s/d + inv α), s = m(π/2 + 2x tan α) (python3)"},
    {"齿轮/斜齿轮公法线长度.tfl",
     {},
     {{"αt", 20.64689649}, {"z′", 27.59823895}, {"k", 4}, {"Wn", 21.43797649}, {"βb", 14.07609542}},
     "derived: transverse involute geometry directly: Wn = [(k - 1)·pbt + sbt]·cos βb with "
     "sbt = db(st/d + inv αt); sin βb = sin β cos αn (python3)"},
    {"齿轮/斜齿轮公法线长度.tfl",
     {"β=30"},
     {{"z′", 37.59550145}, {"k", 5}, {"Wn", 27.62227347}, {"βb", 28.02432067}, {"bmin", 12.97822327}},
     "derived: transverse involute geometry directly, as above (python3); the equivalent number "
     "z/cos³β = 38.49 would give 27.647"},
    {"齿轮/斜齿轮公法线长度.tfl",
     {"mn=3", "z=40", "xn=0.3"},
     {{"z′", 44.15718232}, {"k", 6}, {"Wn", 51.18114041}},
     "derived: transverse involute geometry directly with st = mn(π/2 + 2xn tan αn)/cos β (python3)"},
    {"齿轮/变位齿轮啮合角与中心距.tfl",
     {},
     {{"invαw", 0.02461025678}, {"αw", 23.48491408}, {"aw", 61.4737318}, {"y", 0.7368659009},
      {"Δy", 0.06313409914}, {"da1", 45.7474636}, {"da2", 84.9474636}, {"df1", 37}, {"df2", 76.2}},
     "derived: inv αw = 2·0.8·tan 20°/60 + inv 20° = 0.0246103 (inv 20° = 0.014904); αw solved "
     "by Newton; aw = 60 cos 20°/cos αw"},
    {"齿轮/由中心距求总变位系数.tfl",
     {},
     {{"αw", 22.43879125}, {"xΣ", 0.5297707621}, {"Δy", 0.02977076205}},
     "derived: αw = acos(60 cos 20°/61); xΣ = 60(inv αw - inv 20°)/(2 tan 20°)"},
    {"齿轮/直齿轮端面重合度.tfl",
     {},
     {{"da1", 44}, {"da2", 84}, {"αa1", 31.32125793}, {"αa2", 26.49858855}, {"εα", 1.635185964},
      {"εα", 1.64, 0.005}},
     "derived: z 20/40, m 2: αa = acos(db/da); approximation 1.88 - 3.2(1/20 + 1/40) = 1.64"},
    {"齿轮/斜齿圆柱齿轮几何尺寸.tfl",
     {},
     {{"mt", 2.070552361}, {"αt", 20.64689649}, {"d", 51.76380902}, {"db", 48.43908378},
      {"da", 55.76380902}, {"df", 46.76380902}, {"zv", 27.74014165}},
     "derived: mn 2, z 25, β 15°: mt = mn/cos β; tan αt = tan 20°/cos β; zv = z/cos³β"},
    {"齿轮/齿轮受力.tfl",
     {},
     {{"T", 65.86206897}, {"Ft", 2195.402299}, {"Fr", 816.9125891}, {"Fa", 466.6471641},
      {"Fn", 2388.492623}},
     "derived: T = 9550·10/1450 N·m; Ft = 2000T/d; Fr = Ft tan 20°/cos 12°; Fa = Ft tan 12°"},
    {"齿轮/直齿锥齿轮几何尺寸.tfl",
     {},
     {{"δ1", 26.56505118}, {"δ2", 63.43494882}, {"R", 67.08203932}, {"da1", 65.36656315},
      {"da2", 122.6832816}, {"df1", 53.56012422}, {"df2", 116.7800621}, {"θa", 2.560638973},
      {"θf", 3.071867456}},
     "derived: tan δ1 = 20/40; R = d1/(2 sin δ1) = 30√5; da = d + 2m cos δ; θa = atan(m/R)"},
};

}  // namespace
}  // namespace orvik::testing
