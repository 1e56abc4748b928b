#include "library/core/sweep_text.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "engine/engine.h"
#include "engine/number_format.h"
#include "library/core/formula_sweep.h"
#include "library/core/formula_values.h"
#include "library/core/table_text.h"
#include "records/print_text.h"

namespace orvik {
namespace {

std::string TableOf(const SweepResult& result, std::span<const int> statements, const TableStyle& style)
{
    TableText table(style);
    table.Reserve((statements.size() + 1) * kNumberFieldEstimate * (result.inputs.size() + 1));
    table.Text(result.input_name);
    for (const int statement : statements)
        table.Text(result.statements[statement]);
    table.EndLine();
    for (int point = 0; point < result.PointCount(); ++point) {
        table.Number(result.inputs[point]);
        for (const int statement : statements)
            table.Number(result.results[statement][point]);
        table.EndLine();
    }
    return table.Take();
}

std::string Number(double v)
{
    return FormatGeneral(v, 15);
}

bool IsNameByte(unsigned char c)
{
    return c >= 0x80 || std::isalnum(c) || c == '_';
}

}  // namespace

std::string SweepResultName(std::string_view statement)
{
    std::string text(statement);
    StripBlanks(text);
    const size_t equals = text.find('=');
    if (equals == 0 || equals == std::string::npos || text.compare(equals, 2, "==") == 0)
        return text;
    const std::string_view target = std::string_view(text).substr(0, equals);
    return std::all_of(target.begin(), target.end(), IsNameByte) ? std::string(target) : text;
}

std::string SweepSettingsText(const SweepResult& result)
{
    const SweepRange& range = result.range;
    std::string text = "参数扫描: " + result.formula + ", " + result.input_name + " 从 " + Number(range.from)
                       + " 到 " + Number(range.to);
    if (range.spacing == SweepSpacing::Logarithmic)
        text += ", 对数刻度";
    if (!range.by_count)
        text += ", " + std::string(SweepAmountName(range.spacing)) + " " + Number(range.step);
    return text + ", " + std::to_string(result.planned_points) + " 点";
}

std::vector<int> AllSweepStatements(const SweepResult& result)
{
    std::vector<int> all(result.statements.size());
    std::iota(all.begin(), all.end(), 0);
    return all;
}

std::string SweepTabText(const SweepResult& result)
{
    return TableOf(result, AllSweepStatements(result), kTabTable);
}

std::string SweepCsvText(const SweepResult& result, std::span<const int> statements)
{
    return std::string(kUtf8ByteOrderMark) + TableOf(result, statements, kCsvTable);
}

std::string SweepPrintText(const SweepResult& result, std::span<const int> statements)
{
    std::string text = SweepSettingsText(result) + "\r\n";
    AppendPrintSections(text, {.inputs = true, .process = true, .outputs = false}, result.fixed_inputs,
                        TableOf(result, statements, PrintTable<FormulaValueText>()), {});
    return text;
}

}  // namespace orvik
