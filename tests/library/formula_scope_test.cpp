// Free calculation never reaches a formula: for every formula of the starter
// library, computing it over a table that already holds each of its names
// with another value gives exactly what the console gives with a table of
// its own; and keeping the formula's variables leaves each name once.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "library/core/formula_sheet.h"
#include "tests/engine/fake_host.h"

namespace orvik {
namespace {

std::vector<std::filesystem::path> StarterFormulas()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ORVIK_STARTER_LIBRARY_DIR)) {
        if (entry.path().extension() == ".tfl")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// What the console prints of a computed sheet: statements with results,
// rows with names and values.
std::vector<std::string> Shown(const FormulaSheet& sheet)
{
    std::vector<std::string> lines;
    for (const FormulaStatement& statement : sheet.Statements())
        lines.push_back(statement.text + "\t" + statement.result);
    for (int row = 0; row < sheet.RowCount(); ++row)
        lines.push_back(std::string(sheet.RowName(row)) + "\t" + sheet.Cell(row));
    return lines;
}

constexpr std::string_view kPi = "\xA6\xD0";  // GBK "π", the one name free calculation may lend

TEST(FormulaScopeTest, StarterFormulasComputeAsTheConsoleWhateverTheTableHolds)
{
    const std::vector<std::filesystem::path> files = StarterFormulas();
    ASSERT_FALSE(files.empty());
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.string());
        testing::FakeHost console_host;
        Engine console(console_host);
        FormulaSheet alone(console);
        ASSERT_EQ(alone.Open(file).status, FormulaReadStatus::Complete);
        ASSERT_TRUE(alone.Compute());

        // Free calculation holds every name of the formula with values of its own.
        testing::FakeHost host;
        Engine engine(host);
        for (int row = 0; row < alone.RowCount(); ++row) {
            if (alone.RowName(row) != kPi)
                engine.Variables().Append(alone.RowName(row), 1000.5 + row, origin::kInput);
        }
        FormulaSheet sheet(engine);
        ASSERT_EQ(sheet.Open(file).status, FormulaReadStatus::Complete);
        ASSERT_TRUE(sheet.Compute());
        EXPECT_EQ(Shown(sheet), Shown(alone));
        EXPECT_EQ(host.messages, console_host.messages);
        EXPECT_TRUE(host.prompts.empty());

        // Kept for free calculation: each name once, with the formula's value.
        sheet.Keep();
        ASSERT_EQ(engine.Variables().Count(), alone.RowCount());
        for (int row = 0; row < alone.RowCount(); ++row) {
            const int index = engine.Variables().FindVariable(alone.RowName(row));
            EXPECT_EQ(engine.Variables()[index].value, console.Variables()[row].value) << alone.RowName(row);
        }
    }
}

}  // namespace
}  // namespace orvik
