#include "records/formula_print.h"

namespace orvik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string StatementLines(const std::vector<FormulaStatement>& statements)
{
    std::string lines;
    for (const FormulaStatement& statement : statements) {
        lines += statement.text;
        if (!statement.result.empty())
            lines += "\t" + statement.result;
        lines += kLineEnd;
    }
    return lines;
}

}  // namespace

std::string FormulaPrintText(const FormulaPrint& print, const PrintChoice& choice)
{
    std::string text = "公式: " + print.name + std::string(kLineEnd);
    AppendPrintSections(text, choice, print.inputs, StatementLines(print.statements), print.outputs);
    if (!print.description.empty()) {
        AppendSection(text, "公式说明:", print.description);
        if (!text.ends_with('\n'))
            text += kLineEnd;
    }
    return text;
}

bool SaveFormulaText(const std::filesystem::path& path, const FormulaPrint& print)
{
    return WriteTextFile(path, FormulaPrintText(print, {.inputs = true, .process = true, .outputs = true}));
}

}  // namespace orvik
