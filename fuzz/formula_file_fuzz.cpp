// Both reads of a formula file (open, to compute; edit, to change it) on
// arbitrary file contents. Opening a formula for editing and saving it may
// tidy the texts once ("x = / /1" is read as "x=//1", which the next read
// takes for a comment), but a second edit and save must change nothing.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "library/core/formula_file.h"
#include "work_file.h"

namespace {

class CheckingListener : public orvik::FormulaReadListener {
public:
    void Definition(std::string_view name, double) override
    {
        FUZZ_CHECK(name.size() <= orvik::FormulaFile::kNameMax);
        FUZZ_CHECK(name.find('=') == std::string_view::npos);
    }
    void Statement(std::string_view text) override
    {
        FUZZ_CHECK(text.size() >= 2 && text.size() <= orvik::FormulaFile::kLinePieceMax);
        FUZZ_CHECK(++statements <= orvik::FormulaFile::kStatementMax);
    }
    void DefinitionsText(std::string_view text) override { definitions = text; }
    void StatementsText(std::string_view text) override { statements_text = text; }
    void Description(std::string_view text) override { description = text; }

    int statements = 0;
    std::string definitions;
    std::string statements_text;
    std::string description;
};

void CheckResult(const orvik::FormulaReadResult& result)
{
    // The file is there: it always opens, and only a failure has a message.
    FUZZ_CHECK(result.status != orvik::FormulaReadStatus::NotOpened);
    FUZZ_CHECK((result.status == orvik::FormulaReadStatus::Failed) == !result.message.empty());
}

// Writes what an edit read delivered and reads it for editing again.
CheckingListener SaveAndEdit(const CheckingListener& edited, const std::filesystem::path& path)
{
    const orvik::FormulaFile file(path);
    FUZZ_CHECK(file.Write(edited.definitions, edited.statements_text, edited.description));
    CheckingListener again;
    const orvik::FormulaReadResult read = file.EditRead(again);
    FUZZ_CHECK(read.status == orvik::FormulaReadStatus::Complete);
    return again;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const WorkFile path("read.tfl");
    static const WorkFile copy("saved.tfl");
    WriteBytes(path, data, size);
    const orvik::FormulaFile file(path);
    CheckingListener opened;
    CheckResult(file.OpenRead(opened));

    CheckingListener edited;
    const orvik::FormulaReadResult read = file.EditRead(edited);
    CheckResult(read);
    if (read.status != orvik::FormulaReadStatus::Complete)
        return 0;
    const CheckingListener once = SaveAndEdit(edited, copy);
    const CheckingListener twice = SaveAndEdit(once, copy);
    FUZZ_CHECK(twice.definitions == once.definitions);
    FUZZ_CHECK(twice.statements_text == once.statements_text);
    FUZZ_CHECK(twice.description == once.description);
    return 0;
}
