#include "calculator/core/calculation_history.h"

#include <functional>

#include <gtest/gtest.h>

#include "calculator/core/messages.h"

namespace orvik {
namespace {

CalculationHistory HistoryWith(std::initializer_list<std::string> lines)
{
    CalculationHistory history;
    int slot = 0;
    for (const std::string& line : lines)
        history.SetLine(slot++, line);
    return history;
}

TEST(CalculationHistoryTest, StepDownStoresEvaluatesAndShowsTheNextLine)
{
    CalculationHistory history;
    const HistoryStep step = history.StepDown("a=2");
    EXPECT_TRUE(step.moved);
    EXPECT_TRUE(step.message.empty());
    EXPECT_EQ(step.evaluate, "a=2");
    EXPECT_EQ(history.Line(0), "a=2");
    EXPECT_EQ(history.LineNumber(), 2);
    EXPECT_EQ(history.CurrentText(), "");
    EXPECT_TRUE(history.UpEnabled());
    EXPECT_TRUE(history.DownEnabled());
}

TEST(CalculationHistoryTest, RefusedStepsChangeNothing)
{
    struct Case {
        const char* name;
        std::string line_number;
        std::function<HistoryStep(CalculationHistory&)> command;
        std::string_view message;
    };
    const Case cases[] = {
        {"down, blank input on line 1", "1", [](auto& h) { return h.StepDown(""); },
         kBlankStatementMessage},
        {"down, blank input on line 500", "500", [](auto& h) { return h.StepDown(""); },
         kBlankStatementMessage},
        {"down, text on line 500", "500", [](auto& h) { return h.StepDown("x=1"); },
         kTooManyStepsMessage},
        {"up on line 1", "1", [](auto& h) { return h.StepUp("changed"); }, {}},
    };
    for (const Case& c : cases) {
        CalculationHistory history;
        history.JumpToLine(c.line_number);
        history.Mirror("old");
        const int line = history.CurrentLine();
        const HistoryStep step = c.command(history);
        EXPECT_EQ(step.message, c.message) << c.name;
        EXPECT_FALSE(step.moved) << c.name;
        EXPECT_FALSE(step.evaluate) << c.name;
        EXPECT_EQ(history.CurrentLine(), line) << c.name;
        EXPECT_EQ(history.CurrentText(), "old") << c.name;
    }
}

TEST(CalculationHistoryTest, StepUpStoresEvenAnEmptyLineAndEvaluatesIt)
{
    CalculationHistory history = HistoryWith({"a=2", "b=3"});
    history.JumpToLine("2");
    const HistoryStep step = history.StepUp("");
    EXPECT_TRUE(step.moved);
    EXPECT_EQ(step.evaluate, "");
    EXPECT_EQ(history.Line(1), "");
    EXPECT_EQ(history.CurrentText(), "a=2");
    EXPECT_EQ(history.LineNumber(), 1);
    EXPECT_FALSE(history.UpEnabled());
    EXPECT_TRUE(history.DownEnabled());
}

TEST(CalculationHistoryTest, EditsAreKeptWhileShownTextsAreNot)
{
    CalculationHistory history;
    history.StepDown("a=2");
    history.Mirror("b");
    history.Mirror("b=a*3");  // typing
    history.JumpToLine("1");
    EXPECT_EQ(history.CurrentText(), "a=2");
    history.JumpToLine("2");
    EXPECT_EQ(history.CurrentText(), "b=a*3");

    // 清屏 shows an empty box without an edit: the line keeps its text, but
    // ↓ sees the empty box.
    EXPECT_EQ(history.StepDown("").message, kBlankStatementMessage);
    history.JumpToLine("1");
    history.JumpToLine("2");
    EXPECT_EQ(history.CurrentText(), "b=a*3");
}

TEST(CalculationHistoryTest, JumpAcceptsOnlyWholeNumbersFrom1To500)
{
    const std::pair<std::string, int> accepted[] = {
        {"1", 0}, {"7", 6}, {" 42 ", 41}, {"+3", 2}, {"500", 499},
    };
    for (const auto& [text, slot] : accepted) {
        CalculationHistory history;
        const HistoryStep step = history.JumpToLine(text);
        EXPECT_TRUE(step.moved) << text;
        EXPECT_TRUE(step.message.empty()) << text;
        EXPECT_FALSE(step.evaluate) << text;
        EXPECT_EQ(history.CurrentLine(), slot) << text;
    }
    for (const std::string text : {"", "0", "501", "-3", "abc", "7x", "1.5", "99999999999"}) {
        CalculationHistory history;
        history.JumpToLine("5");
        const HistoryStep step = history.JumpToLine(text);
        EXPECT_EQ(step.message, kLineNumberRangeMessage) << text;
        EXPECT_FALSE(step.moved) << text;
        EXPECT_EQ(history.LineNumber(), 5) << text;
    }
}

TEST(CalculationHistoryTest, ArrowsFollowTheCurrentLine)
{
    CalculationHistory history;
    const auto arrows = [&history] { return std::pair(history.UpEnabled(), history.DownEnabled()); };
    EXPECT_EQ(arrows(), std::pair(false, true));
    history.JumpToLine("7");
    EXPECT_EQ(history.CurrentText(), "");
    EXPECT_EQ(arrows(), std::pair(true, true));
    history.JumpToLine("500");
    EXPECT_EQ(arrows(), std::pair(true, false));
    history.JumpToLine("1");
    EXPECT_EQ(arrows(), std::pair(false, true));
    history.JumpToLine("499");
    history.StepDown("x=1");
    EXPECT_EQ(history.LineNumber(), 500);
    EXPECT_EQ(arrows(), std::pair(true, false));
}
TEST(CalculationHistoryTest, ClearStatementsStopsAtTheFirstEmptyLine)
{
    CalculationHistory history = HistoryWith({"a=1", "", "c=3"});
    history.JumpToLine("3");
    history.ClearStatements();
    EXPECT_EQ(history.Line(0), "");
    EXPECT_EQ(history.Line(2), "c=3");
    EXPECT_EQ(history.LineNumber(), 1);
    EXPECT_FALSE(history.UpEnabled());
    EXPECT_TRUE(history.DownEnabled());
}

TEST(CalculationHistoryTest, ExamplesFillOnlyTheLinesThatExist)
{
    const char* const examples[] = {"r=(x^2+y^2)^0.5", "x1=r*cos(30)", "y1=r*sin(30)"};
    for (const int line : {1, 250, 499, 500}) {
        CalculationHistory history;
        history.JumpToLine(std::to_string(line));
        if (line > 1)
            history.SetLine(line - 2, "kept");
        EXPECT_EQ(history.InsertExamples(), examples[0]) << line;
        EXPECT_EQ(history.LineNumber(), line) << line;
        for (int i = 0; i < 3 && line - 1 + i < kHistoryLineCount; ++i)
            EXPECT_EQ(history.Line(line - 1 + i), examples[i]) << line << " + " << i;
        if (line + 2 < kHistoryLineCount) {
            EXPECT_EQ(history.Line(line + 2), "") << line;
        }
        if (line > 1) {
            EXPECT_EQ(history.Line(line - 2), "kept") << line;
        }
    }
}

TEST(CalculationHistoryTest, StepDownAfterTheExampleLeadsToItsSecondLine)
{
    CalculationHistory history;
    const std::string shown = history.InsertExamples();
    const HistoryStep step = history.StepDown(shown);
    EXPECT_EQ(step.evaluate, "r=(x^2+y^2)^0.5");
    EXPECT_EQ(history.CurrentText(), "x1=r*cos(30)");
    EXPECT_EQ(history.LineNumber(), 2);
}

// What process files save and read back: the run of lines from line 1, and
// lines appended after it without moving the current line.
TEST(CalculationHistoryTest, LinesInUseEndAtTheFirstEmptyLineAndAppendGoesAfterThem)
{
    CalculationHistory history = HistoryWith({"a=1", "b=2", "", "d=4"});
    EXPECT_EQ(std::vector<std::string>(history.LinesInUse().begin(), history.LinesInUse().end()),
              (std::vector<std::string>{"a=1", "b=2"}));
    history.JumpToLine("2");
    history.AppendLines(std::vector<std::string>{"x", "y"});
    EXPECT_EQ(history.Line(2), "x");
    EXPECT_EQ(history.Line(3), "y");
    EXPECT_EQ(history.CurrentText(), "b=2");

    CalculationHistory full;
    for (int slot = 0; slot < kHistoryLineCount - 1; ++slot)
        full.SetLine(slot, "z");
    full.AppendLines(std::vector<std::string>{"last", "dropped"});
    EXPECT_EQ(full.Line(kHistoryLineCount - 1), "last");
    EXPECT_EQ(full.LinesInUse().size(), static_cast<size_t>(kHistoryLineCount));
}

}  // namespace
}  // namespace orvik
