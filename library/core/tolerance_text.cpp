#include "library/core/tolerance_text.h"

#include "engine/number_format.h"
#include "library/core/table_text.h"
#include "library/core/tolerance_analysis.h"
#include "records/print_text.h"

namespace orvik {
namespace {

void ResultsTable(TableText& table, const ToleranceResult& result)
{
    for (const std::string& name : ToleranceColumnNames())
        table.Text(name);
    table.EndLine();
    for (size_t r = 0; r < result.names.size(); ++r) {
        table.Text(result.names[r]);
        for (const double v : ToleranceRowValues(result.figures[r]))
            table.Number(v);
        table.EndLine();
    }
}

// Each input's share of a result's variance in the input's order, so that
// one row serves every result.
void InputsTable(TableText& table, const ToleranceResult& result)
{
    table.Text("输入").Text("值").Text("公差").Text("下限").Text("上限");
    for (const std::string& name : result.names)
        table.Text(name + " 方差占比%");
    table.EndLine();
    std::vector<std::vector<double>> shares;  // [result][input]
    for (const ResultFigures& figures : result.figures) {
        shares.emplace_back(result.inputs.size());
        for (const SensitivityShare& share : SensitivityShares(figures.contributions))
            shares.back()[share.input] = share.percent;
    }
    for (size_t i = 0; i < result.inputs.size(); ++i) {
        const ToleranceResult::Input& input = result.inputs[i];
        table.Text(input.name).Number(input.value).Text(input.text).Number(input.range.low).Number(input.range.high);
        for (const std::vector<double>& share : shares)
            table.Number(share[i]);
        table.EndLine();
    }
}

std::string BothTables(const ToleranceResult& result, const TableStyle& style)
{
    TableText table(style);
    ResultsTable(table, result);
    table.EndLine();
    InputsTable(table, result);
    return table.Str();
}

}  // namespace

std::vector<std::string> ToleranceColumnNames()
{
    return {"变量", "名义值", "最坏情况最小值", "最坏情况最大值", "RSS中心值",
            "RSS半宽", "蒙特卡洛均值", "蒙特卡洛标准差", "0.135%点", "99.865%点", "有效样本数"};
}

std::vector<double> ToleranceRowValues(const ResultFigures& figures)
{
    return {figures.nominal,       figures.worst_min, figures.worst_max,          figures.rss_centre,
            figures.rss_half_width, figures.mean,     figures.standard_deviation, figures.low_point,
            figures.high_point,    static_cast<double>(figures.samples.size())};
}

std::string ToleranceValueText(double v)
{
    return FormatGeneral(v, 8);
}

std::string ToleranceRangeText(double low, double high)
{
    return ToleranceValueText(low) + " ~ " + ToleranceValueText(high);
}

std::string ToleranceSettingsText(const ToleranceResult& result)
{
    const bool normal = result.settings.distribution == ToleranceDistribution::Normal;
    return "公差分析: " + result.formula + ", " + (normal ? "正态分布 (σ = 半宽/3)" : "均匀分布") + ", "
           + std::to_string(result.settings.samples) + " 个样本";
}

std::vector<std::string> ToleranceLeftOutLines(const ToleranceResult& result)
{
    std::vector<std::string> lines;
    for (size_t r = 0; r < result.names.size(); ++r) {
        if (result.figures[r].left_out > 0) {
            lines.push_back(result.names[r] + ": " + std::to_string(result.settings.samples) + " 个样本中有 "
                            + std::to_string(result.figures[r].left_out) + " 个没有得出数值, 未计入统计");
        }
    }
    return lines;
}

std::string ToleranceTabText(const ToleranceResult& result)
{
    TableText table(kTabTable);
    ResultsTable(table, result);
    return table.Str();
}

std::string ToleranceCsvText(const ToleranceResult& result)
{
    return std::string(kUtf8ByteOrderMark) + BothTables(result, kCsvTable);
}

std::string TolerancePrintText(const ToleranceResult& result)
{
    std::string text = ToleranceSettingsText(result) + "\r\n";
    for (const std::string& line : ToleranceLeftOutLines(result))
        text += line + "\r\n";
    const bool fixed_inputs = !result.fixed_inputs.empty();
    AppendPrintSections(text, {.inputs = fixed_inputs, .process = true, .outputs = false}, result.fixed_inputs,
                        BothTables(result, PrintTable<ToleranceValueText>()), {});
    return text;
}

}  // namespace orvik
