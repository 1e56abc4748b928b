#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

// Inertias in kg·cm², as the formulas take them; the references work in SI units.
const StarterCases kCases = {
    {"电动机选择/传动总效率与电动机功率.tfl",
     {},
     {{"Pw", 2.4}, {"η", 0.8246352734}, {"Pd", 2.910377566}, {"nw", 38.19718634},
      {"i", 37.69911184}, {"合格", 1}},
     "derived: power followed from the drum through each element back to the motor (belt, "
     "two gear pairs, four bearing pairs, coupling, drum); python3"},
    {"电动机选择/传动总效率与电动机功率.tfl",
     {"F=4000", "v=1", "D=500", "η带=1", "nm=960", "Pe=4"},
     {{"Pw", 4}, {"η", 0.8589950764}, {"Pd", 4.656604106}, {"nw", 38.19718634},
      {"i", 25.13274123}, {"合格", 0}},
     "derived: without the belt stage; power followed stage by stage; the 4 kW motor is "
     "too small; python3"},
    {"电动机选择/负载惯量折算.tfl",
     {},
     {{"J移", 5.066059182}, {"JL", 15.7665148}, {"惯量比", 1.313876233}, {"合格", 1}},
     "derived: kinetic energy of all moving parts at 100 rad/s on the motor equated to "
     "½·JL·ω², SI units; python3"},
    {"电动机选择/负载惯量折算.tfl",
     {"Jm=1", "i=1"},
     {{"J移", 5.066059182}, {"JL", 57.06605918}, {"惯量比", 57.06605918}, {"合格", 0}},
     "derived: kinetic energy as above, direct drive of a small motor; python3"},
    {"电动机选择/电动机加速转矩.tfl",
     {},
     {{"J", 29.52222222}, {"Ta", 4.637339823}, {"Tpk", 6.137339823}, {"合格", 1}},
     "derived: T = J·α in SI units, α = 2πn/60/ta; python3"},
    {"电动机选择/电动机加速转矩.tfl",
     {"ta=0.05"},
     {{"J", 29.52222222}, {"Ta", 18.54935929}, {"Tpk", 20.04935929}, {"合格", 0}},
     "derived: T = J·α, a four times faster start; python3"},
    {"电动机选择/丝杠驱动负载转矩.tfl",
     {},
     {{"F", 598.1}, {"TL", 0.5288365081}, {"n", 3000}, {"P", 0.1661388889, 0.0001}},
     "derived: power balance F·v/η at the motor, torque = power/ω (P within 1e-4: the "
     "formula's 9550 rounds 60000/2π); python3"},
    {"电动机选择/丝杠驱动负载转矩.tfl",
     {"Fa=0", "m=50", "α=90", "v=10"},
     {{"F", 490.5}, {"TL", 0.4336972199}, {"n", 2000}, {"P", 0.09083333333, 0.0001}},
     "derived: power balance, a vertical axis lifting 50 kg; python3"},
    {"电动机选择/电动机等效转矩.tfl",
     {},
     {{"tz", 4}, {"Trms", 1.861719635}, {"合格", 1}},
     "derived: T² sampled every 10 µs over one cycle and averaged; python3"},
    {"电动机选择/电动机等效转矩.tfl",
     {"Ta=12", "Tc=3", "t0=0.5"},
     {{"tz", 2.9}, {"Trms", 4.098864435}, {"合格", 0}},
     "derived: T² averaged over a sampled cycle; heavier duty overheats the motor; python3"},
};

}  // namespace
}  // namespace orvik::testing
