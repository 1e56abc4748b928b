#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Angles in degrees, the engine's default unit.
const StarterCases kCases = {
    {"蜗杆传动/普通圆柱蜗杆传动几何尺寸.tfl",
     {},
     {{"q", 10}, {"γ", 11.30993247}, {"a", 200}, {"da1", 96}, {"df1", 60.8}, {"da2", 336},
      {"df2", 300.8}, {"pz", 50.26548246}},
     "derived: a = (q + z2 + 2x2)m/2 = 200, a standard centre distance; tan γ = pz/(π d1); "
     "tooth heights m and 1.2m, shifted by x2·m on the wheel; python3"},
    {"蜗杆传动/普通圆柱蜗杆传动几何尺寸.tfl",
     {"m=5", "d1=50", "z1=1", "z2=40", "x2=0"},
     {{"q", 10}, {"γ", 5.710593137}, {"a", 125}, {"da1", 60}, {"df1", 38}, {"da2", 210},
      {"df2", 188}, {"pz", 15.70796327}},
     "derived: unshifted drive, a = (q + z2)m/2; tan γ = pz/(π d1); python3"},
    {"蜗杆传动/蜗杆传动效率与自锁.tfl",
     {},
     {{"γ", 11.30993247}, {"vs", 6.194029668}, {"η1", 0.8643478261}, {"η", 0.829773913},
      {"η2", 0.8449304175}, {"自锁", 0}},
     "derived: force balance at the contact on the unrolled pitch cylinder (normal force "
     "plus fv times it against the slip), efficiency as output over input power; vs as the "
     "vector difference of the pitch speeds; python3"},
    {"蜗杆传动/蜗杆传动效率与自锁.tfl",
     {"m=4", "d1=71", "z1=1", "n1=100", "fv=0.08"},
     {{"γ", 3.224522607}, {"vs", 0.3723446337}, {"η1", 0.4113607263}, {"η", 0.3949062973},
      {"η2", 0}, {"自锁", 1}},
     "derived: the same force balance; driven from the wheel the friction force exceeds "
     "the driving component, so the drive locks (γ 3.22° < φv 4.57°); python3"},
    {"蜗杆传动/蜗杆传动受力.tfl",
     {},
     {{"T2", 820}, {"Ft1", 1250}, {"Fa1", 5000}, {"Fr", 1819.851171}},
     "derived: through the power at 1000 r/min: Ft1 = P1/v1, Ft2 = ηP1/v2, Fr = Ft2 tan α; "
     "python3"},
    {"蜗杆传动/蜗杆传动受力.tfl",
     {"T1=20", "d1=50", "d2=200", "z1=1", "z2=40", "η=0.7"},
     {{"T2", 560}, {"Ft1", 800}, {"Fa1", 5600}, {"Fr", 2038.233312}},
     "derived: through the power at 1000 r/min, as above; python3"},
    {"蜗杆传动/蜗杆传动热平衡.tfl",
     {},
     {{"Φ", 1100}, {"t1", 68.88888889}, {"Amin", 1.222222222}, {"合格", 1}},
     "derived: oil temperature and area found by bisection on the heat balance Kd·A·(t − "
     "t0) = 1000·P1·(1 − η); python3"},
    {"蜗杆传动/蜗杆传动热平衡.tfl",
     {"P1=7.5", "A=1"},
     {{"Φ", 1500}, {"t1", 120}, {"Amin", 1.666666667}, {"合格", 0}},
     "derived: bisection on the heat balance, as above; python3"},
    {"蜗杆传动/蜗杆轴刚度.tfl",
     {},
     {{"y", 0.008987811288, 1e-05}, {"合格", 1}},
     "derived: elastic curve of the simply supported worm under the resultant force, M/EI "
     "integrated twice numerically (20000 steps); python3"},
    {"蜗杆传动/蜗杆轴刚度.tfl",
     {"L=600", "df1=30", "d1=40"},
     {{"y", 1.213034717, 1e-05}, {"合格", 0}},
     "derived: numerical elastic curve, as above; a slender worm fails d1/1000; python3"},
};

}  // namespace
}  // namespace orvik::testing
