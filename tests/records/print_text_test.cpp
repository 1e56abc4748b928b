#include "records/print_text.h"

#include "engine/variable_table.h"
#include "fake_process_start.h"
#include "records/formula_print.h"
#include "records/print_hand_off.h"
#include "temporary_directory_test.h"

namespace orvik {
namespace {

// The test's directory is the program and data directory.
class PrintFileTest : public TemporaryDirectoryTest {
protected:
    void SetUp() override
    {
        TemporaryDirectoryTest::SetUp();
        setenv("ORVIK_HOME", dir_.c_str(), 1);
    }
};

TEST_F(PrintFileTest, InputsOfTheTableThenTheProcessWithCrLfLineEnds)
{
    VariableTable table;
    table.Append("π", 3.14159265358979, origin::kBuiltIn);
    table.Append("r", 5, origin::kAssigned);
    const std::pair<std::string, std::string> cases[] = {
        {"", "Input: \r\n\r\nprocess: \r\n"},
        {"\ra\r\nb\rc\nd", "Input: \r\n\r\nprocess: \r\na\r\nbc\r\nd"},  // every CR goes
    };
    for (const auto& [process, file] : cases) {
        ASSERT_TRUE(WritePrintFile(dir_ / "out", table, process));
        EXPECT_EQ(ReadBytes(dir_ / "out"), file);
    }
    for (const auto& [name, value] : {std::pair{"n", -0.5}, {"big", 1e20}, {"tiny", 1e-7}})
        table.Append(name, value, origin::kInput);
    ASSERT_TRUE(WritePrintFile(dir_ / "out", table, "行号1\r\n"));
    EXPECT_EQ(ReadBytes(dir_ / "out"), "Input: \r\nn = -0.500000 \r\nbig = 100000000000000000000.000000 \r\n"
                                       "tiny = 0.000000 \r\n\r\nprocess: \r\n行号1\r\n");
    EXPECT_FALSE(WritePrintFile(dir_ / "no" / "out", table, ""));
}

TEST(PrintTextTest, ChosenSectionsAfterAnEmptyLineEach)
{
    const std::vector<NamedValue> inputs = {{"x", 3}}, outputs = {{"r", 5}};
    const std::pair<PrintChoice, std::string> cases[] = {
        {{}, "Input: \r\nx = 3.000000 \r\n\r\nOutput: \r\nr = 5.000000 \r\n"},
        {{false, true, false}, "process: \r\np"},
        // A process text that ends inside a line is ended first.
        {{false, true, true}, "process: \r\np\r\n\r\nOutput: \r\nr = 5.000000 \r\n"},
    };
    for (const auto& [choice, text] : cases)
        EXPECT_EQ(PrintText(choice, inputs, "p", outputs), text);
}

TEST_F(PrintFileTest, FormulaTextHoldsNameSectionsAndDescription)
{
    const FormulaPrint print{"齿轮", {{"m", 2}}, {{"d=m*z", "=40.000000"}, {"e=1", ""}}, {{"d", 40}}, "分度圆\r\n直径"};
    EXPECT_EQ(FormulaPrintText(print, {}),
              "公式: 齿轮\r\n\r\nInput: \r\nm = 2.000000 \r\n\r\nOutput: \r\nd = 40.000000 \r\n"
              "\r\n公式说明: \r\n分度圆\r\n直径\r\n");
    ASSERT_TRUE(SaveFormulaText(dir_ / "f.txt", print));
    EXPECT_NE(ReadBytes(dir_ / "f.txt").find("process: \r\nd=m*z\t=40.000000\r\ne=1\r\n\r\nOutput"), std::string::npos);
    EXPECT_FALSE(SaveFormulaText(dir_ / "no" / "f.txt", print));
}

TEST_F(PrintFileTest, HandOffStartsTheCompanionOrLeavesNoPrintFile)
{
    FakeProcessStart start;
    EXPECT_TRUE(HandOffToCompanion("Input: \n", start).ok);
    const std::vector<std::string> call = {(dir_ / "vekPrint.dll").string(), "VEK_CALL__" + (dir_ / "__temp1").string()};
    EXPECT_EQ(start.started, std::vector<std::vector<std::string>>{call});
    EXPECT_EQ(ReadBytes(dir_ / "__temp1"), "Input: \r\n");

    start.fail = true;
    EXPECT_EQ(HandOffToCompanion("x", start).message,
              "\xCF\xB5\xCD\xB3\xCE\xC4\xBC\xFE(vekPrint.dll)\xB6\xAA\xCA\xA7,\xB2\xBB\xC4\xDC\xB4\xF2\xD3\xA1");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "__temp1"));

    // An unwritten print file would show an older text.
    setenv("ORVIK_HOME", (dir_ / "gone").c_str(), 1);
    EXPECT_EQ(HandOffToCompanion("x", start).message, kPrintFileNotWrittenMessage);
    EXPECT_EQ(start.started.size(), 2u);
}

}  // namespace
}  // namespace orvik
