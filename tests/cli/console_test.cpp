// Runs the built orvik binary the way a user does from a terminal.

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "temporary_directory_test.h"

namespace {

struct ProcessResult {
    std::string out;
    std::string err;
    int status = -1;
};

std::string Quote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'')
            quoted.append("'\\''");
        else
            quoted.push_back(c);
    }
    quoted.push_back('\'');
    return quoted;
}

class ConsoleTest : public orvik::TemporaryDirectoryTest {
protected:
    // orvik ARGS < input > out 2> err, after the shell commands `before`
    // (each ending in ";"); `out` is a file in the test's directory or an
    // absolute path.
    ProcessResult RunOrvik(const std::vector<std::string>& args, const std::string& input = "",
                           const std::string& out_name = "out", const std::string& before = "")
    {
        std::ofstream(dir_ / "in", std::ios::binary) << input;
        std::string command = before + " exec " + Quote(program_);
        for (const std::string& arg : args)
            command.append(" ").append(Quote(arg));
        const std::filesystem::path out = dir_ / out_name;
        command.append(" < ").append(Quote(dir_ / "in"));
        command.append(" > ").append(Quote(out));
        command.append(" 2> ").append(Quote(dir_ / "err"));
        ProcessResult run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = out.parent_path() == dir_ ? orvik::ReadBytes(out) : "";
        run.err = orvik::ReadBytes(dir_ / "err");
        return run;
    }

    std::string WriteFile(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }

    std::string program_ = ORVIK_BINARY;
};

const char* const kSweepFormula = "ORVIK_FILE\r\n[VAR_INIT]\r\na=1\r\nb=2\r\n[end]\r\n[EXPRESS]\r\n"
                                  "c=a*b\r\nd=c+k\r\nr=0*ainv(1-a)\r\n[end]\r\n[COMMENT]\r\n\r\n[end]\r\n";

struct EvalCase {
    std::vector<std::string> args;
    std::string input;
    std::string out;
    std::string err;
};

TEST_F(ConsoleTest, EvalPrintsWhatTheResultBoxWouldShow)
{
    const EvalCase cases[] = {
        {{"--eval", "r=(3^2+4^2)^0.5"}, "", "5.000000000000\n", ""},
        {{"-e", "1/3"}, "", "0.333333333333\n", ""},
        {{"-e", "0"}, "", "0.000000E+000\n", ""},
        {{"-e", "10^31"}, "", "1.000000E+031\n", ""},
        {{"-e", "-2.5"}, "", "-2.500000000000\n", ""},
        {{"-e", "0/0"}, "", "NAN\n", ""},
        {{"-e", "-1/0"}, "", "-INF\n", ""},
        {{"--radix", "H", "-e", "255"}, "", "0xFF\n", ""},
        {{"--radix", "H", "--bytes", "8", "-e", "2^32"}, "", "0x100000000\n", ""},
        {{"--radix", "B", "--bytes", "1", "-e", "-1"}, "", "0B11111111\n", ""},
        {{"--radix", "O", "--bytes", "1", "-e", "511"}, "", "Oct377\n", ""},
        {{"--radians", "-e", "asin(1)"}, "", "1.570796326795\n", ""},
        {{"-e", "asin(1)"}, "", "90.000000000000\n", ""},
        {{"-e", "a=2;b=a*3;b+1"}, "", "7.000000000000\n", ""},
        {{"-e", "2*π"}, "", "6.283185307180\n", ""},
        {{"-e", "30°30′"}, "", "30.500000000000\n", ""},
        {{"-e", "2*y"}, "4\n", "8.000000000000\n", "y = "},
        {{"-e", "2*y"}, "", "0.000000E+000\n", "y = \n"},
        {{"-e", "长度=3;长度*宽"}, "2.5 metres\n", "7.500000000000\n", "宽 = "},
        {{"-e", "(1+2"}, "", "3.000000000000\n", "计算式[(1+2]中少了1个')'号\n"},
        {{"-e", "ainv(-1)"}, "", "0.000000E+000\n",
         "用于求渐开线反函数的值小于0，\n可能是给定参数不合理造成的或公式有不完善的地方\n"},
    };
    for (const EvalCase& c : cases) {
        const ProcessResult run = RunOrvik(c.args, c.input);
        EXPECT_EQ(run.status, 0) << c.args.back();
        EXPECT_EQ(run.out, c.out) << c.args.back();
        EXPECT_EQ(run.err, c.err) << c.args.back();
    }
}

TEST_F(ConsoleTest, ConsoleKeepsVariablesBetweenLines)
{
    const ProcessResult run = RunOrvik({"--console"}, "a=2\n\nb=a*3\r\nb+z\n7\n5*\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2.000000000000\n6.000000000000\n13.000000000000\n0.000000E+000\n");
    EXPECT_EQ(run.err, "z = 计算式[5*]中缺少运算数\n");
}

TEST_F(ConsoleTest, BadArgumentsAndTextGetClearErrors)
{
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err_part;
    } cases[] = {
        {{"--radix", "Q", "-e", "1"}, 2, "--radix"},
        {{"--bytes", "3", "-e", "1"}, 2, "--bytes"},
        {{"--eval"}, 2, "--eval"},
        {{"--frobnicate"}, 2, "--frobnicate"},
        {{"-e", "1+☃"}, 1, "GBK"},
        {{"-e", "☃☃☃☃☃☃☃☃☃☃☃☃☃☃"}, 1, ": ☃☃☃☃☃☃☃☃☃☃☃☃☃...\n"},  // 13 fit in 40 bytes
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunOrvik(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0];
        EXPECT_NE(run.err.find(c.err_part), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(ConsoleTest, HelpDescribesEveryOption)
{
    const ProcessResult run = RunOrvik({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* option : {"--eval", "--console", "--formula", "--sweep", "--points", "--log", "--csv",
                               "--tolerance", "--normal", "--samples", "--seed", "--list", "--solve", "--target",
                               "--range", "--radians", "--radix", "--bytes", "--help", "--version"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    const ProcessResult version = RunOrvik({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.substr(0, version.out.find('\n')), "orvik " ORVIK_VERSION);
    EXPECT_NE(version.out.find("GPL-3.0-or-later"), std::string::npos);
}

// A library in ORVIK_HOME, and a folder to run from that holds a formula
// of the same name: the one in the folder wins.
TEST_F(ConsoleTest, FormulasAreListedAndFoundInTheLibraryFromAnyFolder)
{
    namespace fs = std::filesystem;
    const fs::path home = dir_ / "home";
    const auto write_formula = [&](const fs::path& path, const char* factor) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << "ORVIK_FILE\r\n[VAR_INIT]\r\na=2\r\n[end]\r\n[EXPRESS]\r\nb=a*"
                                              << factor << "\r\n[end]\r\n[COMMENT]\r\n\r\n[end]\r\n";
    };
    write_formula(home / "vekf" / "几何" / "f.tfl", "10");
    write_formula(home / "vekf" / "a.tfl", "10");
    write_formula(dir_ / "here" / "几何" / "f.tfl", "100");
    const struct {
        std::vector<std::string> args;
        std::string folder;
        int status;
        std::string out;
    } cases[] = {
        {{"--list"}, "/", 0, "几何/f.tfl\na.tfl\n"},
        {{"--formula", "几何/f.tfl"}, "/", 0, "b=a*10\t=20.000000\na\t2.000000\nb\t20.000000\n"},
        {{"--formula", "几何/f.tfl"}, (dir_ / "here").string(), 0,
         "b=a*100\t=200.000000\na\t2.000000\nb\t200.000000\n"},
        {{"--formula", "几何/g.tfl"}, "/", 1, ""},
        {{"--list", "x"}, "/", 2, ""},
    };
    for (const auto& c : cases) {
        const ProcessResult run =
            RunOrvik(c.args, "", "out", "cd " + Quote(c.folder) + "; export ORVIK_HOME=" + Quote(home) + ";");
        EXPECT_EQ(run.status, c.status) << c.args.back() << " " << run.err;
        EXPECT_EQ(run.out, c.out) << c.args.back();
    }
}

TEST_F(ConsoleTest, FormulaComputesAsTheFormulaDialogDoes)
{
    const std::string gear = std::string(ORVIK_STARTER_LIBRARY_DIR) + "/齿轮/标准直齿圆柱齿轮几何尺寸.tfl";
    const ProcessResult run = RunOrvik({"--formula", gear, "m=3", "z=5*q"}, "5\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "q = ");
    EXPECT_EQ(run.out,
              "d=m*z\t=75.000000\ndb=d*cos(α)\t=70.476947\nda=d+2*ha*m\t=81.000000\n"
              "df=d-2*(ha+c)*m\t=67.500000\np=π*m\t=9.424778\npb=p*cos(α)\t=8.856394\n"
              "s=p/2\t=4.712389\nh=(2*ha+c)*m\t=6.750000\n"
              "m\t3.000000\nz\t25.000000\nα\t20.000000\nha\t1.000000\nc\t0.250000\nq\t5.000000\n"
              "d\t75.000000\ndb\t70.476947\nda\t81.000000\ndf\t67.500000\np\t9.424778\nπ\t3.141593\n"
              "pb\t8.856394\ns\t4.712389\nh\t6.750000\n");

    const std::string broken = WriteFile("broken.tfl", "ORVIK_FILE\r\n[VAR_INIT]\r\nab\r\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } failures[] = {
        {{"--formula", gear, "m=3", "d=1"}, 2, "orvik: d 不是这个公式的输入变量\n"},
        {{"--formula", gear, "m"}, 2, "orvik: 公式的输入应写成 变量名=值: m\n(orvik --help 显示用法)\n"},
        {{"--formula", "/nonexistent.tfl"}, 1, "orvik: 打不开公式文件 /nonexistent.tfl\n"},
        {{"--formula", broken}, 1, "公式中变量定义有错\n"},
    };
    for (const auto& c : failures) {
        const ProcessResult failed = RunOrvik(c.args);
        EXPECT_EQ(failed.status, c.status) << c.args.back();
        EXPECT_EQ(failed.err, c.err);
        EXPECT_EQ(failed.out, "");
    }
}

TEST_F(ConsoleTest, SweepPrintsOneRowPerPointAndAsksOnce)
{
    const std::string f = WriteFile("sweep.tfl", kSweepFormula);
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{"--formula", f, "b=4", "--sweep", "a=1:0.5:-0.25"}, 0,
         "a\tc=a*b\td=c+k\tr=0*ainv(1-a)\n1\t4\t4.5\t0\n0.75\t3\t3.5\t0\n0.5\t2\t2.5\t0\n",
         "k = "},
        {{"--formula", f, "--sweep", "a=0.01:1", "--points", "3", "--log", "--csv"}, 0,
         "\xEF\xBB\xBF" "a,c=a*b,d=c+k,r=0*ainv(1-a)\r\n0.01,0.02,0.52000000000000002,0\r\n0.10000000000000001,0.20000000000000001,"
         "0.69999999999999996,0\r\n1,2,2.5,0\r\n",
         "k = "},
        {{"--formula", f, "--sweep", "a=0:3:1"}, 1, "a\tc=a*b\td=c+k\tr=0*ainv(1-a)\n0\t0\t0.5\t0\n1\t2\t2.5\t0\n",
         "k = 参数扫描在第3点(a=2.000000)停止:\n用于求渐开线反函数的值小于0，\n可能是给定参数不合理造成的或公式有不完善的地方\n"},
        {{"--formula", f, "--sweep", "a=0:1:0"}, 2, "", "orvik: 步长不能为0\n"},
        {{"--formula", f, "--sweep", "c=0:1:1"}, 2, "", "orvik: c 不是这个公式的输入变量\n"},
        {{"--formula", f, "--sweep", "a=0:1:1", "--points", "3"}, 2, "", "orvik: --sweep 应写成"},
        {{"--formula", f, "--csv"}, 2, "", "orvik: --points、--log 和 --csv 要和 --sweep 一起用\n"},
        {{"-e", "1", "--sweep", "a=0:1:1"}, 2, "", "orvik: --sweep、--points、--log 和 --csv 只能和 --formula"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunOrvik(c.args, "0.5\n");
        EXPECT_EQ(run.status, c.status) << c.args.back();
        EXPECT_EQ(run.out, c.out) << c.args.back();
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << c.args.back();
    }
}

// Results that cannot be written, a value the engine refused, or a file
// size limit reached: never a success, never a signal.
TEST_F(ConsoleTest, FailuresExitWithOneAndSaySo)
{
    const std::string f = WriteFile("sweep.tfl", kSweepFormula);
    const std::string write_failed = "orvik: 无法写出结果: ";
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string input;
        std::string out;
        std::string before;
        std::string err;
    } cases[] = {
        {"full disk", {"-e", "1+1"}, "", "/dev/full", "", write_failed},
        {"full disk, help", {"--help"}, "", "/dev/full", "", write_failed},
        {"full disk, console", {"--console"}, "1\n2\n", "/dev/full", "", write_failed},
        {"full disk, formula", {"--formula", f, "b=3"}, "0.5\n", "/dev/full", "", "k = " + write_failed},
        {"file size limit", {"--formula", f, "--sweep", "b=1:3000:1", "--csv"}, "0.5\n", "out", "ulimit -f 8;",
         "k = " + write_failed},
        {"value refused", {"--formula", f, "b=(((((("}, "", "out", "", "计算式[((((((]中缺少运算数\n"},
        {"value refused before a sweep", {"--formula", f, "b=2*", "--sweep", "a=1:2:1"}, "", "out", "",
         "计算式[2*]中缺少运算数\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunOrvik(c.args, c.input, c.out, c.before);
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << c.name << ": " << run.err;
        if (c.before.empty()) {
            EXPECT_EQ(run.out, "") << c.name;
        }
    }
}

// Lines of any length read at a constant memory: one that is too long is
// said once and skipped to its end, the next one is computed.
TEST_F(ConsoleTest, OverlongLinesAreRefusedOnce)
{
    constexpr std::size_t kLineMax = 64 * 1024;
    const std::string fitting = "1+" + std::string(kLineMax - 3, ' ') + "1";  // blanks are left out
    const std::string too_long = "1+" + std::string(kLineMax - 2, ' ') + "1";
    const ProcessResult run = RunOrvik({"--console"}, fitting + "\n" + too_long + "\r\n2+2\n"
                                                          + std::string(3 * kLineMax, 'a'));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2.000000000000\n4.000000000000\n");
    const std::string refused = "输入行太长, 一行不能超过65536个字节, 没有计算: ";
    EXPECT_EQ(run.err, refused + "1+" + std::string(38, ' ') + "...\n" + refused + std::string(40, 'a') + "...\n");
}

// A DISPLAY of a server that is gone is no display: the console takes
// over, and a file meant for the window is named, not silently dropped.
TEST_F(ConsoleTest, StaleDisplayFallsBackToTheConsole)
{
    const std::string process_file = WriteFile("p.vek", "Haltor的计算器过程文件\r\n1+1\r\nend:");
    const ProcessResult run = RunOrvik({process_file}, "2*3\n", "out",
                                       "unset WAYLAND_DISPLAY QT_QPA_PLATFORM; export DISPLAY=:9876;");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "6.000000000000\n");
    EXPECT_EQ(run.err, "orvik: 没有可用的图形显示 (DISPLAY 或 WAYLAND_DISPLAY 未设置或连不上), 改用控制台计算\n"
                       "orvik: " + process_file + " 只在窗口中打开, 控制台不读它\n");
}

TEST_F(ConsoleTest, SolvePrintsEveryRootAndSaysWhenThereIsNone)
{
    // sigma = F/A with A = pi x^2/4, and k needing the unknown q (GBK names).
    const std::string f = WriteFile("solve.tfl", "ORVIK_FILE\r\n[VAR_INIT]\r\nx=3\r\nF=10000\r\n[end]\r\n[EXPRESS]\r\ny=x^2\r\n"
                                                 "A=\xA6\xD0*x^2/4\r\n\xA6\xD2=F/A\r\nk=x*q\r\n[end]\r\n[COMMENT]\r\n\r\n[end]\r\n");
    const double pi = std::numbers::pi;
    const struct {
        std::vector<std::string> args;
        int status;
        std::vector<double> roots;
        std::string err;  // what standard error holds after the prompt
    } cases[] = {
        {{"--solve", "x", "--target", "σ=120", "--range", "1:100"}, 0, {10.300645387285057}, ""},
        {{"F=2*10000", "--solve", "x", "--target", "σ=2*60", "--range", "-(100):1"}, 0,
         {-std::sqrt(4 * 20000 / (120 * pi))}, ""},
        {{"--solve", "x", "--target", "y=16"}, 0, {4}, ""},  // 0.3 to 30 around x = 3
        {{"--solve", "x", "--target", "k=-4*x", "--range", "-10:10"}, 0, {-6}, ""},  // q = 2; -4*x is -12
        {{"--solve", "x", "--target", "y=-1", "--range", "-2:2"}, 1, {},
         "orvik: 没有找到解: x 从 -2 到 2 时 y 达不到 -1; 最接近时 x = 0, y = 0\n"},
        {{"--solve", "x", "--target", "z=1"}, 2, {}, "orvik: z 不是这个公式的变量\n"},
        {{"--solve", "w", "--target", "y=1"}, 2, {}, "orvik: w 不是这个公式的输入变量\n"},
        {{"--solve", "x", "--target", "y=(1"}, 2, {}, "orvik: 目标值算不出值:\n计算式[(1]中少了1个')'号\n"},
        {{"--solve", "x", "--target", "y=1", "--range", "1:1"}, 2, {}, "orvik: 起始值和终止值不能相同\n"},
        {{"--solve", "x", "--target", "y"}, 2, {}, "orvik: --solve 要有 --target 结果变量名=目标值: y\n"},
        {{"--solve", "x", "--target", "y=1", "--range", "1"}, 2, {}, "orvik: --range 应写成 起始值:终止值: 1\n"},
        {{"--target", "y=1"}, 2, {}, "orvik: --target 和 --range 要和 --solve 一起用\n"},
        {{"--sweep", "x=1:2:1", "--solve", "x", "--target", "y=1"}, 2, {}, "orvik: --solve 和 --sweep 不能一起用\n"},
        {{"--solve"}, 2, {}, "orvik: --solve 后面缺少 输入变量名\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--formula", f};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProcessResult run = RunOrvik(args, "2\n");
        const std::string what = c.args.back();
        EXPECT_EQ(run.status, c.status) << what;
        // The prompt for q comes once, when the statements are first computed.
        const std::string err = run.err.starts_with("q = ") ? run.err.substr(4) : run.err;
        EXPECT_EQ(err.substr(0, c.err.size()), c.err) << what;
        EXPECT_EQ(err.find("q = "), std::string::npos) << what;
        std::istringstream lines(run.out);
        std::string x;
        std::string value;
        for (const double root : c.roots) {
            ASSERT_TRUE(std::getline(lines, x, '\t') && std::getline(lines, value)) << what;
            EXPECT_NEAR(std::stod(x), root, 1e-12 * std::abs(root)) << what;
        }
        EXPECT_EQ(lines.peek(), EOF) << what;
    }
    // Both with all their digits.
    EXPECT_EQ(RunOrvik({"--formula", f, "--solve", "x", "--target", "y=6.25", "--range", "0:10"}, "2\n").out,
              "2.5\t6.25\n");
    EXPECT_TRUE(RunOrvik({"-e", "1", "--solve", "x"}).err.starts_with("orvik: --solve、--target 和 --range 只能和 --formula 一起用"));
}

// The tab-separated fields of line `n` of `text`, from 0.
std::vector<std::string> LineFields(const std::string& text, int n)
{
    std::vector<std::vector<std::string>> lines(1, std::vector<std::string>(1));
    for (const char c : text) {
        if (c == '\n')
            lines.emplace_back(1);
        else if (c == '\t')
            lines.back().emplace_back();
        else
            lines.back().back() += c;
    }
    return lines[n];
}

TEST_F(ConsoleTest, ToleranceAnalysisPrintsOneRowPerResultAndRepeatsItself)
{
    const std::string f = WriteFile("tolerance.tfl", "ORVIK_FILE\r\n[VAR_INIT]\r\na=10\r\nb=20\r\nc=5\r\n[end]\r\n"
                                                      "[EXPRESS]\r\ny=a+b-c\r\ns=sqrt(a-10)\r\nr=ainv(6-c)\r\n[end]\r\n"
                                                      "[COMMENT]\r\n\r\n[end]\r\n");
    const std::vector<std::string> args = {"--formula", f, "b=20.5", "--tolerance", "a=+-0.1",
                                           "--tolerance", "b=±0.2", "--tolerance", "c=1%"};
    const ProcessResult run = RunOrvik(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "变量\t名义值\t最坏情况最小值\t最坏情况最大值\tRSS中心值\tRSS半宽\t蒙特卡洛均值\t蒙特卡洛标准差\t"
              "0.135%点\t99.865%点\t有效样本数");
    const std::vector<std::string> y = LineFields(run.out, 1);
    ASSERT_EQ(y.size(), 11u);
    EXPECT_EQ(y[0], "y");
    EXPECT_EQ(y[1], "25.5");
    EXPECT_NEAR(std::stod(y[2]), 25.15, 1e-12);
    EXPECT_NEAR(std::stod(y[3]), 25.85, 1e-12);
    EXPECT_NEAR(std::stod(y[5]), std::sqrt(0.0525), 1e-9);
    EXPECT_NEAR(std::stod(y[7]), std::sqrt(0.0525 / 3), 0.002);
    EXPECT_EQ(y[10], "100000");
    // s has no value where a is below 10: about half the samples.
    EXPECT_NE(run.out.find("\ns\t0\t0\t0.31622776601683"), std::string::npos) << run.out;
    const std::vector<std::string> root = LineFields(run.out, 2);
    EXPECT_EQ(run.err, "s: 100000 个样本中有 " + std::to_string(100000 - std::stoi(root[10])) + " 个没有得出数值, 未计入统计\n");
    EXPECT_EQ(RunOrvik(args).out, run.out);

    std::vector<std::string> normal = args;
    normal.insert(normal.end(), {"--normal", "--samples", "2000", "--seed", "7"});
    const ProcessResult sampled = RunOrvik(normal);
    EXPECT_EQ(sampled.status, 0);
    EXPECT_NEAR(std::stod(LineFields(sampled.out, 1)[7]), std::sqrt(0.0525) / 3, 0.005);
    EXPECT_NE(sampled.out, run.out);

    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } failures[] = {
        {{"--formula", f, "c=7", "--tolerance", "a=±0.1"}, 1,
         "公差分析在名义值处停止:\n用于求渐开线反函数的值小于0，\n"},
        {{"--formula", f, "--tolerance", "q=±1"}, 2, "orvik: q 不是这个公式的输入变量\n"},
        {{"--formula", f, "--tolerance", "a=0.1"}, 2,
         "orvik: a 的公差写法不对: 0.1\n公差应写成 ±T、+-T、+A/-B 或 P%\n"},
        {{"--formula", f, "--tolerance", "a=±1", "--tolerance", "a=1%"}, 2, "orvik: a 的公差给了两次\n"},
        {{"--formula", f, "--tolerance", "a=±☃"}, 2, "orvik: a 的公差中有无法用 GBK 表示的字符\n"},
        {{"--formula", f, "--tolerance", "a=±1", "--samples", "1"}, 2, "orvik: --samples 后面应为2到1000000之间的整数: 1\n"},
        {{"--formula", f, "--tolerance", "a=±1", "--seed", "-1"}, 2, "orvik: --seed 后面应为"},
        {{"--formula", f, "--tolerance", "±1"}, 2, "orvik: --tolerance 应写成 变量名=公差: ±1\n"},
        {{"--formula", f, "--normal"}, 2, "orvik: --normal、--samples 和 --seed 要和 --tolerance 一起用\n"},
        {{"--formula", f, "--tolerance", "a=±1", "--sweep", "a=0:1:1"}, 2, "orvik: --tolerance 不能和 --sweep 一起用\n"},
        {{"--formula", f, "--tolerance", "a=±1", "--solve", "a", "--target", "y=1"}, 2,
         "orvik: --tolerance 不能和 --solve 一起用\n"},
        {{"-e", "1", "--tolerance", "a=±1"}, 2, "orvik: --tolerance、--normal、--samples 和 --seed 只能和 --formula"},
        {{"--formula", f, "--seed"}, 2, "orvik: --seed 后面缺少随机数种子\n"},
    };
    for (const auto& c : failures) {
        const ProcessResult failed = RunOrvik(c.args);
        EXPECT_EQ(failed.status, c.status) << c.args.back();
        EXPECT_EQ(failed.err.substr(0, c.err.size()), c.err) << c.args.back();
        EXPECT_EQ(failed.out, "") << c.args.back();
    }
}

// With a display the window's program beside orvik takes over, with the
// process file as its one argument, in the same directory; a window program
// that cannot be started is said.
TEST_F(ConsoleTest, WithADisplayTheWindowProgramBesideItTakesOver)
{
    namespace fs = std::filesystem;
    fs::create_directory(dir_ / "bin");
    fs::copy_file(ORVIK_BINARY, dir_ / "bin" / "orvik");
    program_ = (dir_ / "bin" / "orvik").string();
    const std::string window = (dir_ / "bin" / "orvik-window").string();
    const std::string display = "export QT_QPA_PLATFORM=offscreen; cd " + Quote(dir_) + ";";

    ProcessResult run = RunOrvik({"p.vek"}, "", "out", display);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "orvik: 计算器窗口程序 " + window + " 不能启动: No such file or directory\n");

    WriteFile("bin/orvik-window", "#!/bin/sh\necho \"$0 $# [$1] $PWD\"\n");
    fs::permissions(window, fs::perms::owner_all);
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"--radians", "p.vek"}, window + " 1 [p.vek] " + dir_.string() + "\n"},
        {{}, window + " 0 [] " + dir_.string() + "\n"},
    };
    for (const auto& c : cases) {
        run = RunOrvik(c.args, "", "out", display);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
    }
}

}  // namespace
