// Every formula of the starter library opens and computes as shipped, and its
// results agree with values worked out by hand or read from the tables of the
// standards. The table is UTF-8 (as the file names are); names are converted
// to GBK before they meet the engine.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "library/core/formula_file.h"
#include "platform/gbk.h"
#include "tests/engine/fake_host.h"

namespace orvik {
namespace {

struct Expected {
    const char* name;
    double value;
    double tolerance = 1e-6;  // relative; rounded table values carry their own
};

struct StarterFormula {
    const char* file;  // relative to the starter library
    std::vector<Expected> results;
};

// Angles in degrees, the engine's default unit. Values without a table
// source were worked out by hand from the formula named in the comment.
const StarterFormula kFormulas[] = {
    // m 2, z 20: d = mz; db = d cos 20° (cos 20° = 0.9396926); da = d + 2m; df = d - 2.5m; p = πm
    {"齿轮/标准直齿圆柱齿轮几何尺寸.tfl",
     {{"d", 40}, {"db", 37.58770483}, {"da", 44}, {"df", 35}, {"p", 6.283185307},
      {"pb", 5.904262868}, {"s", 3.141592654}, {"h", 4.5}}},
    // table W* for m 1, z 30, k 4: 10.7526, so W = 21.505 at m 2; by hand W = 2cos20°(3.5π + 30 inv 20°), inv 20° = 0.014904
    {"齿轮/公法线长度.tfl",
     {{"k", 4}, {"W", 21.50525241}, {"W", 21.505, 0.0001}}},
    // inv αw = 2·0.8·tan 20°/60 + inv 20° = 0.0246103 (inv 20° = 0.014904); αw solved by Newton; aw = 60 cos 20°/cos αw
    {"齿轮/变位齿轮啮合角与中心距.tfl",
     {{"invαw", 0.02461025678}, {"αw", 23.48491408}, {"aw", 61.4737318}, {"y", 0.7368659009},
      {"Δy", 0.06313409914}, {"da1", 45.7474636}, {"da2", 84.9474636}, {"df1", 37},
      {"df2", 76.2}}},
    // αw = acos(60 cos 20°/61); xΣ = 60(inv αw - inv 20°)/(2 tan 20°)
    {"齿轮/由中心距求总变位系数.tfl",
     {{"αw", 22.43879125}, {"xΣ", 0.5297707621}, {"Δy", 0.02977076205}}},
    // z 20/40, m 2: αa = acos(db/da); approximation 1.88 - 3.2(1/20 + 1/40) = 1.64
    {"齿轮/直齿轮端面重合度.tfl",
     {{"da1", 44}, {"da2", 84}, {"αa1", 31.32125793}, {"αa2", 26.49858855}, {"εα", 1.635185964},
      {"εα", 1.64, 0.005}}},
    // mn 2, z 25, β 15°: mt = mn/cos β; tan αt = tan 20°/cos β; zv = z/cos³β
    {"齿轮/斜齿圆柱齿轮几何尺寸.tfl",
     {{"mt", 2.070552361}, {"αt", 20.64689649}, {"d", 51.76380902}, {"db", 48.43908378},
      {"da", 55.76380902}, {"df", 46.76380902}, {"zv", 27.74014165}}},
    // T = 9550·10/1450 N·m; Ft = 2000T/d; Fr = Ft tan 20°/cos 12°; Fa = Ft tan 12°
    {"齿轮/齿轮受力.tfl",
     {{"T", 65.86206897}, {"Ft", 2195.402299}, {"Fr", 816.9125891}, {"Fa", 466.6471641},
      {"Fn", 2388.492623}}},
    // tan δ1 = 20/40; R = d1/(2 sin δ1) = 30√5; da = d + 2m cos δ; θa = atan(m/R)
    {"齿轮/直齿锥齿轮几何尺寸.tfl",
     {{"δ1", 26.56505118}, {"δ2", 63.43494882}, {"R", 67.08203932}, {"da1", 65.36656315},
      {"da2", 122.6832816}, {"df1", 53.56012422}, {"df2", 116.7800621}, {"θa", 2.560638973},
      {"θf", 3.071867456}}},
    // GB/T 196 M10×1.5: d2 = 9.026, d1 = 8.376; d3 = d - 1.226869P
    {"螺纹/普通螺纹基本尺寸.tfl",
     {{"d2", 9.0257215}, {"d1", 8.376202}, {"d3", 8.1596965}, {"d2", 9.026, 0.0001},
      {"d1", 8.376, 0.0001}}},
    // GB/T 3098.1 M10: As = 58.0 mm²
    {"螺纹/螺纹应力截面积.tfl",
     {{"As", 57.9895969}, {"As", 58.0, 0.001}}},
    // d1 = 8.376 (GB/T 196); σca = 1.3F0/(πd1²/4); [σ] = 640/1.5
    {"螺纹/紧螺栓连接拉伸强度.tfl",
     {{"d1", 8.376202}, {"σca", 235.9169726}, {"σp", 426.6666667}, {"合格", 1}}},
    // d2 = 9.026: ψ = atan(1.5/(9.026π)); φv = atan(0.15/cos 30°); T2 = 10000·0.15·13.5/2 N·mm; K near 0.2
    {"螺纹/螺栓拧紧力矩.tfl",
     {{"ψ", 3.028150543}, {"φv", 9.826429816}, {"T1", 10.29818671}, {"T2", 10.125},
      {"T", 20.42318671}, {"K", 0.2042318671}}},
    // GB/T 5796.3 Tr40×7: d2 = 36.5, d3 = 32, D4 = 41, D1 = 33 (ac = 0.5)
    {"螺纹/梯形螺纹基本尺寸.tfl",
     {{"ac", 0.5}, {"d2", 36.5}, {"d3", 32}, {"D4", 41}, {"D1", 33}}},
    // Tr40×7: ψ = atan(7/(36.5π)); φv = atan(0.1/cos 15°); η = tan ψ/tan(ψ + φv)
    {"螺纹/螺旋传动效率与自锁.tfl",
     {{"ψ", 3.493327692}, {"φv", 5.910638915}, {"η", 0.3685890069}, {"自锁", 1}}},
    // b 50, h 100: I = bh³/12, W = bh²/6; M = FL/4; f = FL³/(48EI); θ = FL²/(16EI) rad
    {"梁与轴/简支梁跨中集中载荷.tfl",
     {{"I", 4166666.667}, {"W", 83333.33333}, {"RA", 5000}, {"M", 5000000}, {"σ", 60},
      {"f", 1.941747573}, {"θ", 0.1668809112}}},
    // M = qL²/8; f = 5qL⁴/(384EI); θ = qL³/(24EI) rad
    {"梁与轴/简支梁均布载荷.tfl",
     {{"RA", 10000}, {"M", 5000000}, {"σ", 60}, {"f", 2.427184466}, {"θ", 0.2225078816}}},
    // M = FL; f = FL³/(3EI); θ = FL²/(2EI) rad
    {"梁与轴/悬臂梁自由端集中载荷.tfl",
     {{"M", 1000000}, {"σ", 12}, {"f", 0.3883495146}, {"θ", 0.03337618224}}},
    // M = qL²/2; f = qL⁴/(8EI); θ = qL³/(6EI) rad
    {"梁与轴/悬臂梁均布载荷.tfl",
     {{"M", 2500000}, {"σ", 30}, {"f", 0.7281553398}, {"θ", 0.0556269704}}},
    // d 40: Ip = πd⁴/32, Wp = πd³/16; τ = T/Wp; φ = TL/(G Ip) rad
    {"梁与轴/圆轴扭转.tfl",
     {{"Ip", 251327.4123}, {"Wp", 12566.37061}, {"τ", 39.78873577}, {"φ", 1.442864957},
      {"θ", 1.442864957}}},
    // T = 9.55·10⁶·7.5/960 N·mm; d = (T/(0.2·30))^(1/3); A0 = 117 lies in the textbook's 103 to 126 for 45 steel
    {"梁与轴/按扭转强度估算轴径.tfl",
     {{"T", 74609.375}, {"d", 23.16758244}, {"A0", 116.7572992}}},
    // W = π·45³/32; σca = √(200² + (0.6·300)²)·1000/W
    {"梁与轴/弯扭合成强度.tfl",
     {{"W", 8946.175955}, {"σca", 30.0768152}, {"合格", 1}}},
    // d 40: i = d/4 = 10; λ = 1500/10; Fcr = π²EI/L²; σcr = π²E/λ²
    {"梁与轴/压杆欧拉临界力.tfl",
     {{"i", 10}, {"λ", 150}, {"Fcr", 113551.8755}, {"σcr", 90.36171141}, {"适用", 1}}},
    // 60×100: Ix = 60·100³/12, Iy = 100·60³/12, ix = h/√12
    {"梁与轴/矩形截面特性.tfl",
     {{"A", 6000}, {"Ix", 5000000}, {"Wx", 100000}, {"ix", 28.86751346}, {"Iy", 1800000},
      {"Wy", 60000}, {"iy", 17.32050808}}},
    // D 50: I = πD⁴/64, W = πD³/32, i = D/4
    {"梁与轴/圆环截面特性.tfl",
     {{"A", 1963.495408}, {"I", 306796.1576}, {"W", 12271.8463}, {"Ip", 613592.3152},
      {"Wp", 24543.69261}, {"i", 12.5}}},
    // r 100, θ 60°: l = rθ; c = 2r sin 30° = 100; As = r²θ/2; segment r²(θ - sin θ)/2
    {"几何/扇形与弓形.tfl",
     {{"l", 104.7197551}, {"c", 100}, {"h", 13.39745962}, {"As", 5235.987756},
      {"Ag", 905.8607371}}},
    // c 80, h 10: r = (40² + 10²)/20 = 85; θ = 2 asin(40/85)
    {"几何/由弦长和弓形高求圆弧.tfl",
     {{"r", 85}, {"θ", 56.14497387}, {"l", 83.29274546}, {"Ag", 539.9416822}}},
    // 3-4-5 right triangle: S = 6, C = 90°, sin A = 0.6, R = c/2, r = S/p
    {"几何/三角形已知三边.tfl",
     {{"S", 6}, {"A", 36.86989765}, {"B", 53.13010235}, {"C", 90}, {"R", 2.5}, {"r", 1}}},
    // a 5, b 7, C 60°: c = √39; S = 35√3/4; sin A = a sin C/c
    {"几何/三角形已知两边及夹角.tfl",
     {{"c", 6.244997998}, {"A", 43.89788625}, {"B", 76.10211375}, {"S", 15.15544457}}},
    // 30-60-90 triangle, a 10: b = 10√3, c = 20
    {"几何/三角形已知两角及一边.tfl",
     {{"C", 90}, {"b", 17.32050808}, {"c", 20}, {"S", 86.60254038}}},
    // hexagon, D 100: side 50, across flats 50√3, area 3√3/2·50²
    {"几何/正多边形.tfl",
     {{"a", 50}, {"s", 86.60254038}, {"θ", 60}, {"β", 120}, {"A", 6495.190528}}},
    // d 100, h 200: V = πd²h/4; steel 7.85 g/cm³
    {"几何/圆柱体.tfl",
     {{"V", 1570796.327}, {"S1", 62831.85307}, {"S", 78539.81634}, {"m", 12.33075117}}},
    // D 100, d 60, h 80: V = πh(R² + Rr + r²)/3; l = √(80² + 20²)
    {"几何/圆台与圆锥.tfl",
     {{"V", 410501.4401}, {"l", 82.46211251}, {"S1", 20724.98935}, {"S", 31406.40437}}},
    // D 100, h 20: V = 4πR³/3; Vc = πh²(3R - h)/3; Sc = 2πRh; base √(R² - 30²)·2 = 80
    {"几何/球与球冠.tfl",
     {{"V", 523598.7756}, {"S", 31415.92654}, {"Vc", 54454.27266}, {"Sc", 6283.185307},
      {"dc", 80}}},
    // 10 m³/h in d 50 mm: v = Q/A; Re = vd/ν with ν 1.006·10⁻⁶ m²/s
    {"流体/管道流速与雷诺数.tfl",
     {{"v", 1.414710605}, {"Re", 70313.64837}, {"层流", 0}}},
    // Blasius λ = 0.3164/Re^0.25; Δp = λ(L/d)ρv²/2; hf = Δp/(ρg)
    {"流体/管道沿程压力损失.tfl",
     {{"v", 1.414710605}, {"Re", 70313.64837}, {"λ", 0.01943016849}, {"Δp", 38817.65989},
      {"hf", 3.964083351}}},
    // D 80, d 45, 10 MPa: F = pAη; v = Q/A with 20 L/min
    {"流体/液压缸推力与速度.tfl",
     {{"F1", 47752.20833}, {"F2", 32643.11117}, {"v1", 3.978873577}, {"v2", 5.820523633}}},
    // v = √(2Δp/ρ) = √(10⁶/870); Q = Cd A v
    {"流体/薄壁孔口流量.tfl",
     {{"A", 78.53981634}, {"v", 33.90317518}, {"Q", 99.05426846}}},
    // q = λΔt/δ = 0.8·25/0.24
    {"传热/单层平壁导热.tfl",
     {{"R", 0.3}, {"q", 83.33333333}, {"Φ", 833.3333333}}},
    // R = δ/λ per layer; q = 750/ΣR; t2 = t1 - qR1; t3 = t2 - qR2
    {"传热/三层平壁导热.tfl",
     {{"R1", 0.2090909091}, {"R2", 0.7666666667}, {"R3", 0.3}, {"q", 587.8859857},
      {"t2", 677.0783848}, {"t3", 226.3657957}}},
    // Φ = 2πλLΔt/ln(d2/d1) = 2π·0.1·110/ln 2
    {"传热/圆筒壁导热.tfl",
     {{"R", 1.103178001}, {"ql", 99.71192312}, {"Φ", 99.71192312}}},
    // k = 1/(1/8 + 0.24/0.8 + 1/23); q = kΔt; tw = tf ∓ q/h
    {"传热/平壁传热过程.tfl",
     {{"k", 2.134570766}, {"q", 64.03712297}, {"Φ", 64.03712297}, {"tw1", 11.99535963},
      {"tw2", -7.215777262}}},
    // ΔL = 11.5·10⁻⁶·1000·100; σ = Eα Δt
    {"传热/线膨胀与热应力.tfl",
     {{"ΔL", 1.15}, {"σ", 236.9}}},
    // 100, 220, 470 Ω: series sum; parallel 1/Σ(1/R); 100·220/320
    {"电工/电阻串联与并联.tfl",
     {{"Rs", 790}, {"Rp", 59.97679814}, {"R12", 68.75}}},
    // τ = 10 kΩ·100 μF = 1 s; uc = 12(1 - e⁻¹); fc = 1/(2π)
    {"电工/RC电路充放电.tfl",
     {{"τ", 1}, {"uc", 7.585446706}, {"ud", 4.414553294}, {"i0", 1.2}, {"fc", 0.1591549431}}},
    // U2 = 24·4.7/14.7; R2 ∥ RL = 4700·100000/104700
    {"电工/电阻分压.tfl",
     {{"U2", 7.673469388}, {"I", 1.632653061}, {"R2L", 4489.016237}, {"U2L", 7.435728411}}},
    // copper 0.0175 Ω·mm²/m, 100 m, 2.5 mm²: 0.7 Ω; at 70 °C ×(1 + 0.00393·50)
    {"电工/导线电阻与压降.tfl",
     {{"R20", 0.7}, {"Rt", 0.83755}, {"ΔU", 16.751}, {"Pl", 167.51}}},
    // S = √3·380·20 VA; P = S·0.85; Q = S·√(1 - 0.85²)
    {"电工/三相交流功率.tfl",
     {{"S", 13.16358614}, {"P", 11.18904822}, {"Q", 6.934349285}}},
    // f0 = 1/(2π√(LC)) with LC = 10⁻⁹ s²; ω0 = 31622.8 rad/s; √(L/C) = 316.2 Ω
    {"电工/LC谐振频率.tfl",
     {{"f0", 5032.92121}, {"ω0", 31622.7766}, {"XL", 316.227766}, {"ρc", 316.227766}}},
    // T = 9550P/n; ω = 2πn/60
    {"传动与轴承/功率与转矩.tfl",
     {{"T", 49.39655172}, {"ω", 151.8436449}}},
    // Ld0 = 2a0 + π(d1 + d2)/2 + (d2 - d1)²/(4a0); α1 = 180° - 2 asin(150/1000)
    {"传动与轴承/V带传动几何尺寸.tfl",
     {{"i", 2.5}, {"α1", 162.7461469}, {"Ld0", 1561.028714}, {"a", 519.4856428}}},
    // L10 = (C/P)³ = 8.5³; L10h = 10⁶/(60n)·L10
    {"传动与轴承/滚动轴承寿命.tfl",
     {{"L10", 614.125}, {"L10h", 7058.908046}}},
};

std::filesystem::path StarterLibrary() { return ORVIK_STARTER_LIBRARY_DIR; }

// Does with a formula's deliveries what the formula dialog does: each
// definition becomes an input of the variable table, the statements are kept
// to be computed in order.
class FormulaDialogReader : public FormulaReadListener {
public:
    explicit FormulaDialogReader(Engine& engine) : engine_(engine) {}

    void Definition(std::string_view name, double value) override
    {
        EXPECT_GE(engine_.Variables().Append(name, value, origin::kInput), 0);
        names.emplace_back(name);
    }
    void Statement(std::string_view text) override
    {
        statements.emplace_back(text);
        names.push_back(statements.back().substr(0, statements.back().find('=')));
    }
    void Description(std::string_view text) override { description = text; }

    std::vector<std::string> statements;
    std::vector<std::string> names;  // inputs, then the statements' targets
    std::string description;

private:
    Engine& engine_;
};

double ValueOf(const Engine& engine, const char* utf8_name)
{
    const int index = engine.Variables().FindVariable(Utf8ToGbk(utf8_name).value_or(""));
    EXPECT_GE(index, 0) << utf8_name;
    return index >= 0 ? engine.Variables()[index].value : NAN;
}

TEST(StarterLibraryTest, EveryFormulaComputesItsReferenceValues)
{
    const std::string dash = *Utf8ToGbk("——");
    for (const StarterFormula& formula : kFormulas) {
        SCOPED_TRACE(formula.file);
        testing::FakeHost host;
        Engine engine(host);
        FormulaDialogReader reader(engine);
        const FormulaReadResult read = FormulaFile(StarterLibrary() / formula.file).OpenRead(reader);
        ASSERT_EQ(read.status, FormulaReadStatus::Complete) << GbkToUtf8(read.message);
        ASSERT_FALSE(reader.statements.empty());

        for (std::string statement : reader.statements)
            engine.EvaluateText(statement);
        // A name that is neither an input nor assigned earlier would ask.
        EXPECT_EQ(host.prompts, std::vector<std::string>{});
        EXPECT_EQ(host.messages, std::vector<std::string>{});

        for (const Expected& expected : formula.results)
            EXPECT_NEAR(ValueOf(engine, expected.name), expected.value,
                        expected.tolerance * std::max(std::abs(expected.value), 1.0e-3))
                << expected.name;
        for (const std::string& name : reader.names)
            EXPECT_NE(reader.description.find("\r\n" + name + dash), std::string::npos)
                << "the description explains " << GbkToUtf8(name);
    }
}

TEST(StarterLibraryTest, EveryShippedFormulaHasReferenceValues)
{
    std::set<std::string> checked;
    for (const StarterFormula& formula : kFormulas)
        checked.insert(formula.file);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(StarterLibrary())) {
        if (entry.path().extension() != ".tfl")
            continue;
        const std::string file = entry.path().lexically_relative(StarterLibrary()).generic_string();
        EXPECT_TRUE(checked.count(file)) << file;
    }
}

}  // namespace
}  // namespace orvik
