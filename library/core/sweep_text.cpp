#include "library/core/sweep_text.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "engine/engine.h"
#include "engine/number_format.h"
#include "library/core/formula_sweep.h"
#include "library/core/formula_values.h"
#include "platform/gbk.h"
#include "records/print_text.h"

namespace orvik {
namespace {

// How one text form of the table writes its fields and lines.
struct TableStyle {
    std::string_view separator;
    std::string_view line_end;
    std::string (*header)(std::string_view gbk);
    void (*append_value)(std::string& text, double v);
};

// A field of "%.17g" is at most this long.
constexpr size_t kFieldEstimate = 24;

std::string TableText(const SweepResult& result, std::span<const int> statements, const TableStyle& style)
{
    std::string text;
    text.reserve((statements.size() + 1) * kFieldEstimate * (result.inputs.size() + 1));
    text += style.header(result.input_name);
    for (const int statement : statements) {
        text += style.separator;
        text += style.header(result.statements[statement]);
    }
    text += style.line_end;
    for (int point = 0; point < result.PointCount(); ++point) {
        style.append_value(text, result.inputs[point]);
        for (const int statement : statements) {
            text += style.separator;
            style.append_value(text, result.results[statement][point]);
        }
        text += style.line_end;
    }
    return text;
}

void AppendFullPrecision(std::string& text, double v)
{
    AppendGeneral(text, v, 17);
}

void AppendShown(std::string& text, double v)
{
    text += FormulaValueText(v);
}

std::string CsvField(std::string_view gbk)
{
    const std::string text = GbkToUtf8(gbk);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string AsIs(std::string_view gbk)
{
    return std::string(gbk);
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
    return TableText(result, AllSweepStatements(result), {"\t", "\n", GbkToUtf8, AppendFullPrecision});
}

std::string SweepCsvText(const SweepResult& result, std::span<const int> statements)
{
    return "\xEF\xBB\xBF" + TableText(result, statements, {",", "\r\n", CsvField, AppendFullPrecision});
}

std::string SweepPrintText(const SweepResult& result, std::span<const int> statements)
{
    std::string text = SweepSettingsText(result) + "\r\n";
    AppendPrintSections(text, {.inputs = true, .process = true, .outputs = false}, result.fixed_inputs,
                        TableText(result, statements, {"\t", "\r\n", AsIs, AppendShown}), {});
    return text;
}

}  // namespace orvik
