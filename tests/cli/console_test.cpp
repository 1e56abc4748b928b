// Runs the built orvik binary the way a user does from a terminal.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

ProcessResult RunOrvik(const std::vector<std::string>& args, const std::string& input = "")
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path()
        / std::string("orvik_cli_test_").append(std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    std::string command = Quote(ORVIK_BINARY);
    for (const std::string& arg : args)
        command.append(" ").append(Quote(arg));
    command.append(" < ").append(Quote(dir / "in"));
    command.append(" > ").append(Quote(dir / "out"));
    command.append(" 2> ").append(Quote(dir / "err"));
    ProcessResult run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(dir / "out");
    run.err = ReadFile(dir / "err");
    std::filesystem::remove_all(dir);
    return run;
}

struct EvalCase {
    std::vector<std::string> args;
    std::string input;
    std::string out;
    std::string err;
};

TEST(ConsoleTest, EvalPrintsWhatTheResultBoxWouldShow)
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

TEST(ConsoleTest, ConsoleKeepsVariablesBetweenLines)
{
    const ProcessResult run = RunOrvik({"--console"}, "a=2\n\nb=a*3\r\nb+z\n7\n5*\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2.000000000000\n6.000000000000\n13.000000000000\n0.000000E+000\n");
    EXPECT_EQ(run.err, "z = 计算式[5*]中缺少运算数\n");
}

TEST(ConsoleTest, BadArgumentsAndTextGetClearErrors)
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

TEST(ConsoleTest, HelpDescribesEveryOption)
{
    const ProcessResult run = RunOrvik({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* option : {"--eval", "--console", "--radians", "--radix", "--bytes", "--help"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

}  // namespace
