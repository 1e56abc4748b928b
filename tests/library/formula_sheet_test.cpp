// The formula dialog's calculation without widgets: value texts, the base
// count and the cut-back, cells read back, and what is printed.
#include "library/core/formula_sheet.h"

#include <fstream>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/engine_messages.h"
#include "library/core/formula_values.h"
#include "temporary_directory_test.h"
#include "tests/engine/fake_host.h"

namespace orvik {
namespace {

TEST(FormulaValuesTest, FixedUpToAMillionAndBelowTheTiniestMagnitudes)
{
    struct Case {
        double v;
        const char* value;
        const char* result;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {0.1234567, "0.123457", "=0.123457"},       {2.5e6, "2.500000E+006", "2.500000E+006"},
        {5e-7, "5.000000E-007", "5.000000E-007"},   {0, "0.000000", "=0.000000"},
        {3, "3.000000", "=3.000000"},               {1e7, "1.000000E+007", "1.000000E+007"},
        {1e6, "1000000.000000", "=1000000.000000"}, {-1e-6, "-0.000001", "=-0.000001"},
        {1e-100, "0.000000", "=0.000000"},          {-inf, "-INF", "-INF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormulaValueText(c.v), c.value) << c.v;
        EXPECT_EQ(FormulaResultText(c.v), c.result) << c.v;
    }
}

class FormulaSheetTest : public TemporaryDirectoryTest {
protected:
    std::filesystem::path Write(const std::string& name, const std::string& definitions,
                                const std::string& statements)
    {
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << "ORVIK_FILE\r\n[VAR_INIT]\r\n" << definitions
                                              << "[end]\r\n[EXPRESS]\r\n" << statements
                                              << "[end]\r\n[COMMENT]\r\n说明\r\n[end]\r\n";
        return path;
    }

    testing::FakeHost host_;
    std::unique_ptr<Engine> engine_ = std::make_unique<Engine>(host_);
    VariableTable& table_ = engine_->Variables();
};

TEST_F(FormulaSheetTest, OpensComputesAndCutsBackToTheBaseCount)
{
    table_.Append("x", 9, origin::kInput);  // free calculation before the dialog
    FormulaSheet sheet(*engine_);
    const auto gear = Write("齿轮.tfl", "m=2\r\nz=20\r\nk=0.1234567\r\n", "d=m*z\r\nr=k\r\nbig=d*1000000\r\n");
    ASSERT_EQ(sheet.Open(gear).status, FormulaReadStatus::Complete);
    EXPECT_EQ(sheet.Name(), "齿轮");
    EXPECT_EQ(sheet.Description(), "说明\r\n");
    ASSERT_EQ(sheet.RowCount(), 3);
    EXPECT_EQ(sheet.Cell(2), "0.123457");
    EXPECT_TRUE(sheet.IsInputRow(0));

    sheet.SetCell(0, "3");
    ASSERT_TRUE(sheet.Compute());
    ASSERT_EQ(sheet.Statements().size(), 3u);
    EXPECT_EQ(sheet.Statements()[0].result, "=60.000000");
    EXPECT_EQ(sheet.Statements()[1].result, "=0.123457");  // through the shown text
    EXPECT_EQ(sheet.Statements()[2].result, "6.000000E+007");
    ASSERT_EQ(sheet.RowCount(), 6);
    EXPECT_EQ(sheet.RowName(3), "d");
    EXPECT_FALSE(sheet.IsInputRow(3));

    const FormulaPrint print = sheet.Print();
    ASSERT_EQ(print.inputs.size(), 3u);
    EXPECT_EQ(print.inputs[0].value, 3);
    ASSERT_EQ(print.outputs.size(), 3u);
    EXPECT_EQ(print.outputs[2].name, "big");

    // A file that cannot be read changes nothing; a second formula replaces
    // the first one's variables, not those from before.
    EXPECT_EQ(sheet.Open(dir_ / "missing.tfl").status, FormulaReadStatus::NotOpened);
    EXPECT_EQ(sheet.RowCount(), 6);
    ASSERT_EQ(sheet.Open(Write("b.tfl", "a=1\r\n", "q=a\r\n")).status, FormulaReadStatus::Complete);
    EXPECT_EQ(table_.Count(), 2);
    EXPECT_EQ(sheet.Statements().size(), 1u);
    sheet.CutBack();
    EXPECT_EQ(table_.Count(), 1);
    EXPECT_FALSE(sheet.HasNewVariables());
    EXPECT_FALSE(sheet.IsOpen());
}

TEST_F(FormulaSheetTest, EnterEvaluatesTheCellAndInfinitiesComeBack)
{
    FormulaSheet sheet(*engine_);
    ASSERT_EQ(sheet.Open(Write("f.tfl", "a=1\r\nb=2\r\n", "r=a+b\r\n")).status, FormulaReadStatus::Complete);
    sheet.EnterValue(0, "3 * 4");
    EXPECT_EQ(sheet.Cell(0), "12.000000");
    sheet.EnterValue(1, "n=1/0");  // makes a variable that has no row yet
    EXPECT_EQ(sheet.Cell(1), "INF");
    sheet.Compute();
    EXPECT_EQ(sheet.Statements()[0].result, "INF");
    EXPECT_EQ(sheet.RowName(2), "n");
    EXPECT_EQ(sheet.Cell(2), "INF");
    EXPECT_EQ(sheet.FindInputRow("b"), 1);
    EXPECT_EQ(sheet.FindInputRow("r"), -1);  // computed, not an input
}

// What computing takes from the shown six decimals: the inputs, never π or
// the computed variables, so computing again gives the same results.
TEST_F(FormulaSheetTest, OnlyInputsPassThroughTheirShownText)
{
    FormulaSheet sheet(*engine_);
    ASSERT_EQ(sheet.Open(Write("f.tfl", "a=1\r\n", "s=π*a*1000000\r\nt=a*3\r\nu=u+s\r\n")).status,
              FormulaReadStatus::Complete);
    sheet.Compute();
    sheet.Compute();
    EXPECT_EQ(sheet.Statements()[0].result, "3.141593E+006");
    ASSERT_EQ(sheet.RowName(2), "π");
    EXPECT_EQ(table_[2].value, std::numbers::pi);  // not 3.141593
    EXPECT_EQ(table_[4].value, 2 * table_[1].value);  // u: s twice, not 3141593 once

    sheet.EnterValue(0, "1/3");
    sheet.Compute();
    EXPECT_EQ(sheet.Statements()[1].result, "=0.999999");  // the input as shown: 0.333333
}

// What is typed into a cell counts when computing as if Enter had been
// pressed on it; a text the engine refuses stops computing.
TEST_F(FormulaSheetTest, TypedCellsAreEnteredBeforeComputing)
{
    FormulaSheet sheet(*engine_);
    ASSERT_EQ(sheet.Open(Write("f.tfl", "a=1\r\nb=2\r\n", "r=a+b\r\n")).status, FormulaReadStatus::Complete);
    sheet.SetCell(0, "3*4");
    sheet.SetCell(1, "2.5E+000");  // a number as cells show them: E is no name
    ASSERT_TRUE(sheet.Compute());
    EXPECT_EQ(sheet.Statements()[0].result, "=14.500000");
    EXPECT_EQ(sheet.Cell(0), "12.000000");
    EXPECT_TRUE(host_.prompts.empty());

    sheet.SetCell(0, "3*");
    EXPECT_FALSE(sheet.Compute());
    EXPECT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(sheet.Cell(0), "3*");  // kept to be mended
    EXPECT_EQ(sheet.Statements()[0].result, "=14.500000");

    // Six decimals would enter a small value as 0.
    const std::pair<const char*, const char*> entered[] = {
        {"1/3000000", "3.333333E-007"}, {"0.1234567", "0.123457"}, {"1e7", "10000000.000000"}, {"-INF", "-INF"}};
    for (const auto& [text, shown] : entered) {
        EXPECT_TRUE(sheet.EnterValue(0, text));
        EXPECT_EQ(sheet.Cell(0), shown) << text;
    }
}

// Computing is one command: a full table is named once, and the statements
// it refuses show no result.
TEST_F(FormulaSheetTest, AFullTableIsReportedOncePerComputing)
{
    for (int i = 0; i < VariableTable::kCapacity - 3; ++i)
        table_.Append(std::to_string(i), i, origin::kInput);
    FormulaSheet sheet(*engine_);
    std::string statements = "p=a\r\n";
    for (int i = 0; i < 20; ++i)
        statements += "q=a\r\n";  // refused, each time
    statements += "a*2\r\n";
    ASSERT_EQ(sheet.Open(Write("f.tfl", "a=1\r\nb=2\r\n", statements)).status, FormulaReadStatus::Complete);
    ASSERT_TRUE(sheet.Compute());
    EXPECT_EQ(host_.messages, std::vector<std::string>{std::string(messages::kTooManyVariables)});
    EXPECT_EQ(sheet.Statements()[0].result, "=1.000000");  // the 400th variable
    EXPECT_EQ(sheet.Statements()[1].result, "");
    EXPECT_EQ(sheet.Statements().back().result, "=2.000000");
    ASSERT_TRUE(sheet.Compute());
    EXPECT_EQ(host_.messages.size(), 2u);
}

TEST_F(FormulaSheetTest, InputsPastTheTableAreLeftOutWithOneMessage)
{
    for (int i = 0; i < VariableTable::kCapacity - 2; ++i)
        table_.Append(std::to_string(i), i, origin::kInput);
    FormulaSheet sheet(*engine_);
    const FormulaSheet::OpenResult result = sheet.Open(Write("f.tfl", "a=1\r\nb=2\r\nc=3\r\nd=4\r\n", "r=a\r\n"));
    EXPECT_EQ(result.status, FormulaReadStatus::Complete);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], messages::kTooManyVariables);
    EXPECT_EQ(table_.Count(), VariableTable::kCapacity);
    EXPECT_EQ(sheet.RowCount(), 2);
}

}  // namespace
}  // namespace orvik
