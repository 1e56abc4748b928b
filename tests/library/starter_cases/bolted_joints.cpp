#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {
namespace {

const StarterCases kCases = {
    {"螺栓连接/螺栓连接刚度.tfl",
     {},
     {{"Cb", 908047.5182, 0.0002}, {"Cm", 3314538.607, 0.0002}, {"C", 0.2150453516, 0.0002}},
     "derived: bolt as two springs in series; members as two 30° hollow frusta whose "
     "compliance dx/(E·A(x)) is summed numerically (200000 slices), exact tan 30° against "
     "the formula's 0.5774; python3"},
    {"螺栓连接/螺栓连接刚度.tfl",
     {"d=12", "As=84.3", "l=30", "lt=12", "Em=70000"},
     {{"Cb", 683242.0354, 0.0002}, {"Cm", 844724.645, 0.0002}, {"C", 0.4471576797, 0.0002}},
     "derived: steel M12 bolt clamping aluminium, frusta summed numerically as above; "
     "python3"},
    {"螺栓连接/螺栓受轴向工作载荷.tfl",
     {},
     {{"F1", 12500}, {"F2", 22500}, {"F0min", 13500}, {"σca", 194.5707989}, {"σa", 8.314991406},
      {"残余合格", 1}, {"分离", 0}, {"合格", 1}},
     "derived: bolt and members as springs (stiffness ratio 1:3), the extra stretch under "
     "F shared by both, bolt force = member force + F; M16 d1 13.835 (GB/T 196); python3"},
    {"螺栓连接/螺栓受轴向工作载荷.tfl",
     {"F0=8000", "F=12000"},
     {{"F1", 0}, {"F2", 12000}, {"σca", 103.7710927}, {"残余合格", 0}, {"分离", 1}, {"合格", 1}},
     "derived: the spring model; the members unload past zero, so the joint opens and the "
     "bolt carries F alone; python3"},
    {"螺栓连接/螺栓受轴向工作载荷.tfl",
     {"F0=25000", "d1=8.376"},
     {{"F1", 17500}, {"F2", 27500}, {"σca", 648.8029673}, {"残余合格", 1}, {"分离", 0}, {"合格", 0}},
     "derived: the spring model with an M10 bolt (d1 8.376, GB/T 196), overstressed; "
     "python3"},
    {"螺栓连接/普通螺栓受横向载荷.tfl",
     {},
     {{"F0", 20000}, {"σca", 324.1342165}, {"σp", 426.6666667}, {"合格", 1}},
     "derived: friction z·i·f·F0 = Ks·F by hand; M12 d1 10.106 (GB/T 196); python3"},
    {"螺栓连接/普通螺栓受横向载荷.tfl",
     {"F=20000"},
     {{"F0", 40000}, {"σca", 648.268433}, {"合格", 0}},
     "derived: friction balance by hand, twice the load; python3"},
    {"螺栓连接/铰制孔用螺栓受剪.tfl",
     {},
     {{"Fs", 2500}, {"τ", 18.83490451}, {"σp", 16.02564103}, {"合格", 1}},
     "derived: shear over the shank section, bearing over d0·Lmin, by hand; python3"},
    {"螺栓连接/铰制孔用螺栓受剪.tfl",
     {"F=200000", "z=2"},
     {{"Fs", 100000}, {"τ", 753.3961803}, {"σp", 641.025641}, {"合格", 0}},
     "derived: by hand, overloaded; python3"},
    {"螺栓连接/螺栓组受转矩.tfl",
     {},
     {{"Fs", 2564.102564}, {"F0", 20512.82051}},
     "derived: six bolts placed on a 130 mm circle, radii from their coordinates, rigid "
     "rotation about the centroid; python3"},
    {"螺栓连接/螺栓组受转矩.tfl",
     {"T=1500", "rmax=94.339811", "Σr=537.359245", "Σr2=48400", "Ks=1.3", "f=0.2", "i=2"},
     {{"Fs", 2923.754483}, {"F0", 9072.143157}},
     "derived: six bolts at x ±80, y −50/0/50 mm: distances, sums and the most loaded bolt "
     "from their coordinates; python3"},
    {"螺栓连接/螺栓组受倾覆力矩.tfl",
     {},
     {{"Fmax", 3333.333333}, {"F2", 20833.33333}, {"σpmax", 1.067708333},
      {"σpmin", 0.5989583333}, {"不离缝", 1}, {"不压溃", 1}},
     "derived: base 240 × 400 mm, two rows of two bolts at ±150 mm; bolt loads from rigid "
     "tipping, the joint's second moment integrated numerically; python3"},
    {"螺栓连接/螺栓组受倾覆力矩.tfl",
     {"M=16000"},
     {{"Fmax", 26666.66667}, {"F2", 26666.66667}, {"σpmax", 2.708333334},
      {"σpmin", -1.041666667}, {"不离缝", 0}, {"不压溃", 0}},
     "derived: the same base under eight times the moment: it opens on one side and "
     "crushes on the other; python3"},
};

}  // namespace
}  // namespace orvik::testing
