// Every formula of the starter library opens and computes as shipped, through
// the formula dialog's calculation, and its results agree with the reference
// cases of tests/library/starter_cases, one file per category. Its description
// explains every input and result. Names are converted to GBK before they meet
// the engine.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "library/core/formula_sheet.h"
#include "platform/gbk.h"
#include "tests/engine/fake_host.h"
#include "tests/library/starter_cases/starter_case.h"

namespace orvik::testing {

namespace {

std::vector<StarterCase>& Registry()
{
    static std::vector<StarterCase> cases;
    return cases;
}

}  // namespace

const std::vector<StarterCase>& AllStarterCases() { return Registry(); }

StarterCases::StarterCases(std::initializer_list<StarterCase> cases)
{
    Registry().insert(Registry().end(), cases);
}

namespace {

std::filesystem::path StarterLibrary() { return ORVIK_STARTER_LIBRARY_DIR; }

std::string Gbk(std::string_view utf8) { return Utf8ToGbk(utf8).value_or(""); }

// A formula opened and computed as the formula dialog does it.
struct FormulaRun {
    explicit FormulaRun(const std::string& file)
    {
        opened = sheet.Open(StarterLibrary() / file);
    }

    // Types NAME=VALUE into the input's cell and enters it; false when the
    // formula has no such input.
    bool Enter(std::string_view input)
    {
        const size_t equals = input.find('=');
        const int row = sheet.FindInputRow(Gbk(input.substr(0, equals)));
        if (row < 0 || equals == std::string_view::npos)
            return false;
        sheet.EnterValue(row, Gbk(input.substr(equals + 1)));
        return true;
    }

    double Value(std::string_view utf8_name) const
    {
        const int index = engine.Variables().FindVariable(Gbk(utf8_name));
        return index >= 0 ? engine.Variables()[index].value : NAN;
    }

    FakeHost host;
    Engine engine{host};
    FormulaSheet sheet{engine};
    FormulaSheet::OpenResult opened;
};

std::unique_ptr<FormulaRun> ComputeCase(const StarterCase& row)
{
    auto run = std::make_unique<FormulaRun>(row.file);
    if (run->opened.status != FormulaReadStatus::Complete)
        return run;
    for (const char* input : row.inputs)
        EXPECT_TRUE(run->Enter(input)) << input << " is not an input";
    run->sheet.Compute();
    return run;
}

bool Contains(const std::string& text, std::initializer_list<const char*> words)
{
    return std::any_of(words.begin(), words.end(),
                       [&](const char* word) { return text.find(word) != std::string::npos; });
}

// Each line "名——说明，单位" of a description, by name (UTF-8).
std::map<std::string, std::string> DescribedNames(std::string_view gbk_description)
{
    std::map<std::string, std::string> names;
    const std::string text = GbkToUtf8(gbk_description);
    for (size_t start = 0, end; start < text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        const std::string line = text.substr(start, end - start);
        const size_t dash = line.find("——");
        if (dash != std::string::npos && dash > 0)
            names.emplace(line.substr(0, dash), line.substr(dash + std::string("——").size()));
    }
    return names;
}

// The inputs, then the statements' targets (UTF-8).
std::vector<std::string> FormulaNames(const FormulaSheet& sheet)
{
    std::vector<std::string> names;
    for (int row = 0; row < sheet.RowCount(); ++row)
        names.push_back(GbkToUtf8(sheet.RowName(row)));
    for (const FormulaStatement& statement : sheet.Statements())
        names.push_back(GbkToUtf8(statement.text.substr(0, statement.text.find('='))));
    return names;
}

// One name's explanation: a meaning, the unit of every torque, moment and
// stress, and for a flag what 1 and 0 mean. The meaning comes first, before
// the first "，"; a flag's is what its 1 means.
void CheckExplanation(const std::string& name, const std::string& text)
{
    SCOPED_TRACE(name + "——" + text);
    const std::string meaning = text.substr(0, text.find("，"));
    EXPECT_FALSE(meaning.empty());
    if (Contains(text, {"1表示"})) {
        EXPECT_TRUE(Contains(text, {"0表示"})) << "a flag says what 0 means";
        return;
    }
    if (Contains(meaning, {"转矩", "扭矩", "弯矩", "力矩"}) && !Contains(meaning, {"系数"})) {
        EXPECT_TRUE(Contains(text, {"N·m"})) << "torque or moment without its unit";
    }
    if (Contains(meaning, {"应力"}) && !Contains(meaning, {"系数", "次数", "比", "截面"})) {
        EXPECT_TRUE(Contains(text, {"Pa"})) << "stress without its unit";
    }
}

std::vector<const StarterCase*> CasesOf(const std::string& file)
{
    std::vector<const StarterCase*> cases;
    for (const StarterCase& row : AllStarterCases()) {
        if (file == row.file)
            cases.push_back(&row);
    }
    return cases;
}

// Both states of a flag are among the formula's reference cases.
void CheckFlagStates(const std::string& flag, const std::vector<const StarterCase*>& cases)
{
    std::set<double> states;
    for (const StarterCase* row : cases)
        states.insert(ComputeCase(*row)->Value(flag));
    EXPECT_EQ(states, (std::set<double>{0, 1})) << "the cases set flag " << flag << " both ways";
}

TEST(StarterLibraryTest, EveryCaseComputesItsReferenceValues)
{
    ASSERT_FALSE(AllStarterCases().empty());
    for (const StarterCase& row : AllStarterCases()) {
        SCOPED_TRACE(std::string(row.file) + " (" + row.source + ")");
        EXPECT_GT(std::string_view(row.source).size(), 8u) << "every case names its source";
        const std::unique_ptr<FormulaRun> run = ComputeCase(row);
        ASSERT_EQ(run->opened.status, FormulaReadStatus::Complete);
        // A name that is neither an input nor assigned earlier would ask.
        EXPECT_EQ(run->host.prompts, std::vector<std::string>{});
        EXPECT_EQ(run->host.messages, std::vector<std::string>{});
        for (const Expected& expected : row.results)
            EXPECT_NEAR(run->Value(expected.name), expected.value,
                        expected.tolerance * std::max(std::abs(expected.value), 1.0e-3))
                << expected.name;
    }
}

TEST(StarterLibraryTest, EveryShippedFormulaIsDescribedAndHasTwoCases)
{
    for (const auto& entry : std::filesystem::recursive_directory_iterator(StarterLibrary())) {
        if (entry.path().extension() != ".tfl")
            continue;
        const std::string file = entry.path().lexically_relative(StarterLibrary()).generic_string();
        SCOPED_TRACE(file);
        const std::vector<const StarterCase*> cases = CasesOf(file);
        EXPECT_GE(cases.size(), 2u);
        EXPECT_TRUE(std::any_of(cases.begin(), cases.end(),
                                [](const StarterCase* row) { return !row->inputs.empty(); }))
            << "a case beside the defaults";
        FormulaRun run(file);
        ASSERT_EQ(run.opened.status, FormulaReadStatus::Complete);
        const std::map<std::string, std::string> described = DescribedNames(run.sheet.Description());
        EXPECT_NE(GbkToUtf8(run.sheet.Description()).find("出处："), std::string::npos)
            << "the description names its method or standard";
        for (const std::string& name : FormulaNames(run.sheet)) {
            const auto line = described.find(name);
            if (line == described.end()) {
                ADD_FAILURE() << "the description explains " << name;
                continue;
            }
            CheckExplanation(name, line->second);
            if (Contains(line->second, {"1表示"}))
                CheckFlagStates(name, cases);
        }
    }
}

}  // namespace
}  // namespace orvik::testing
