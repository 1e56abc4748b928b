#include "records/print_text.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "engine/variable_table.h"
#include "fake_process_start.h"
#include "records/formula_print.h"
#include "records/print_hand_off.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

class PrintFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "orvik-print-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        setenv("ORVIK_HOME", dir_.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("ORVIK_HOME");
        fs::remove_all(dir_);
    }

    static std::string Read(const fs::path& path)
    {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }

    fs::path dir_;
};

TEST_F(PrintFileTest, FileHoldsTheInputsThenTheProcessWithCrLfLineEnds)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, double>> inputs;
        std::string process;
        std::string file;
    };
    const Case cases[] = {
        {"inputs and one record", {{"d", 20}, {"m", 2.5}}, "行号1\tx=d*m = 50.0000\r\n",
         "Input: \r\nd = 20.000000 \r\nm = 2.500000 \r\n\r\nprocess: \r\n行号1\tx=d*m = 50.0000\r\n"},
        {"no inputs", {}, "a\r\n", "Input: \r\n\r\nprocess: \r\na\r\n"},
        {"empty process", {{"d", 1}}, "", "Input: \r\nd = 1.000000 \r\n\r\nprocess: \r\n"},
        {"six decimals, no exponent", {{"n", -0.5}, {"big", 1e20}, {"tiny", 1e-7}}, "",
         "Input: \r\nn = -0.500000 \r\nbig = 100000000000000000000.000000 \r\ntiny = 0.000000 \r\n"
         "\r\nprocess: \r\n"},
        {"every CR goes, a leading one too", {}, "\ra\r\nb\rc\nd",
         "Input: \r\n\r\nprocess: \r\na\r\nbc\r\nd"},
    };
    for (const Case& c : cases) {
        VariableTable table;
        for (const auto& [name, value] : c.inputs)
            table.Append(name, value, origin::kInput);
        ASSERT_TRUE(WritePrintFile(dir_ / "out", table, c.process)) << c.name;
        EXPECT_EQ(Read(dir_ / "out"), c.file) << c.name;
    }
}

TEST_F(PrintFileTest, OnlyVariablesTheUserGaveAreInputs)
{
    VariableTable table;
    table.Append("π", 3.14159265358979, origin::kBuiltIn);
    table.Append("r", 5, origin::kAssigned);
    table.Append("x", 3, origin::kInput);
    table.Append("y", 4, origin::kInput);
    EXPECT_EQ(PrintFileText(InputVariables(table), ""), "Input: \r\nx = 3.000000 \r\ny = 4.000000 \r\n\r\nprocess: \r\n");
    const std::vector<NamedValue> outputs = OutputVariables(table);
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_EQ(outputs[0].name, "r");
}

TEST_F(PrintFileTest, WriteThatFailsSaysSo)
{
    EXPECT_FALSE(WriteTextFile(dir_ / "no" / "such", "x"));
    EXPECT_FALSE(WriteTextFile(dir_, "x"));
}

TEST(PrintTextTest, ChosenSectionsFollowEachOtherAfterAnEmptyLine)
{
    const std::vector<NamedValue> inputs = {{"x", 3}};
    const std::vector<NamedValue> outputs = {{"r", 5}};
    struct Case {
        PrintChoice choice;
        std::string process;
        std::string text;
    };
    const Case cases[] = {
        {{}, "p\r\n", "Input: \r\nx = 3.000000 \r\n\r\nOutput: \r\nr = 5.000000 \r\n"},
        {{false, true, false}, "p\r\n", "process: \r\np\r\n"},
        {{false, true, true}, "p\r\n", "process: \r\np\r\n\r\nOutput: \r\nr = 5.000000 \r\n"},
        // An edited process text that ends inside a line is ended before the outputs.
        {{false, true, true}, "p", "process: \r\np\r\n\r\nOutput: \r\nr = 5.000000 \r\n"},
        {{false, false, true}, "", "Output: \r\nr = 5.000000 \r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintText(c.choice, inputs, c.process, outputs), c.text) << c.text;
}

TEST(FormulaPrintTest, NameSectionsAndDescription)
{
    const FormulaPrint print{"齿轮", {{"m", 2}}, {{"d=m*z", "=40.000000"}, {"e=d*1e6", "4.000000E+007"}, {"f=1", ""}},
                             {{"d", 40}}, "分度圆\r\n直径"};
    EXPECT_EQ(FormulaPrintText(print, {}),
              "公式: 齿轮\r\n\r\nInput: \r\nm = 2.000000 \r\n\r\nOutput: \r\nd = 40.000000 \r\n"
              "\r\n公式说明: \r\n分度圆\r\n直径\r\n");
    EXPECT_EQ(FormulaPrintText({"空", {}, {}, {}, ""}, {false, true, false}), "公式: 空\r\n\r\nprocess: \r\n");

    std::string pattern = (fs::temp_directory_path() / "orvik-formula-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path file = fs::path(pattern) / "齿轮.txt";
    ASSERT_TRUE(SaveFormulaText(file, print));
    std::ostringstream saved;
    saved << std::ifstream(file, std::ios::binary).rdbuf();
    EXPECT_EQ(saved.str(), FormulaPrintText(print, {true, true, true}));
    EXPECT_NE(saved.str().find("process: \r\nd=m*z\t=40.000000\r\ne=d*1e6\t4.000000E+007\r\nf=1\r\n"),
              std::string::npos);
    EXPECT_FALSE(SaveFormulaText(fs::path(pattern) / "no" / "x.txt", print));
    fs::remove_all(pattern);
}

TEST_F(PrintFileTest, HandOffStartsTheCompanionOnThePrintFile)
{
    FakeProcessStart start;
    const PrintHandOff hand_off = HandOffToCompanion("Input: \r\n", start);
    EXPECT_TRUE(hand_off.ok);
    ASSERT_EQ(start.started.size(), 1u);
    EXPECT_EQ(start.started[0].program, (dir_ / "vekPrint.dll").string());
    EXPECT_EQ(start.started[0].arguments, std::vector<std::string>{"VEK_CALL__" + (dir_ / "__temp1").string()});
    EXPECT_EQ(Read(dir_ / "__temp1"), "Input: \r\n");
}

TEST_F(PrintFileTest, HandOffThatCannotStartLeavesNoPrintFile)
{
    FakeProcessStart start;
    start.fail = true;
    const PrintHandOff hand_off = HandOffToCompanion("x", start);
    EXPECT_FALSE(hand_off.ok);
    EXPECT_EQ(hand_off.message, "\xCF\xB5\xCD\xB3\xCE\xC4\xBC\xFE(vekPrint.dll)\xB6\xAA\xCA\xA7,\xB2\xBB\xC4\xDC\xB4\xF2\xD3\xA1");
    EXPECT_FALSE(fs::exists(dir_ / "__temp1"));

    // A print file that cannot be written would show an older text.
    setenv("ORVIK_HOME", (dir_ / "gone").c_str(), 1);
    start.fail = false;
    EXPECT_EQ(HandOffToCompanion("x", start).message, kPrintFileNotWrittenMessage);
    EXPECT_EQ(start.started.size(), 1u);
}

}  // namespace
}  // namespace orvik
