#pragma once

#include <string>
#include <vector>

namespace orvik {

struct ResultFigures;
struct ToleranceResult;

// The columns of the results table (GBK): the variable's name, then the
// figures of ToleranceRowValues.
std::vector<std::string> ToleranceColumnNames();
// Nominal, worst-case minimum and maximum, RSS centre and half-width, Monte
// Carlo mean, standard deviation, 0.135% and 99.865% points, and the
// number of samples these four are of.
std::vector<double> ToleranceRowValues(const ResultFigures& figures);

// A figure as the window and the printed table show it: eight significant
// digits, which a difference of near values needs and "%.6f" may not give.
std::string ToleranceValueText(double v);
// The values an input may take: "19.98 ~ 19.993".
std::string ToleranceRangeText(double low, double high);

// The analysis in one line (GBK): "公差分析: 齿轮, 均匀分布, 100000 个样本".
std::string ToleranceSettingsText(const ToleranceResult& result);
// For each result that some samples gave no value (GBK): "s: 100000
// 个样本中有 12 个没有得出数值, 未计入统计".
std::vector<std::string> ToleranceLeftOutLines(const ToleranceResult& result);

// The console's table (UTF-8, LF): the header of ToleranceColumnNames, then
// one row per result, "%.17g", separated by tabs.
std::string ToleranceTabText(const ToleranceResult& result);

// For spreadsheet programs (UTF-8 with a byte order mark, commas, CR LF):
// the results table, an empty line, then one row per input with a
// tolerance: its value, the tolerance, the ends of its range and its share
// of each result's RSS variance in percent.
std::string ToleranceCsvText(const ToleranceResult& result);

// What printing puts on paper (GBK): the settings line, "Input:" with the
// inputs without a tolerance if there are any, "process:" with the two
// tables of the CSV.
std::string TolerancePrintText(const ToleranceResult& result);

}  // namespace orvik
