#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

struct SweepResult;

// What a statement's result is called: the variable it assigns, or else
// the statement itself (GBK).
std::string SweepResultName(std::string_view statement);

// The sweep's settings in one line (GBK): "参数扫描: 齿轮, m 从 1 到 5,
// 步长 0.5, 9 点", on a logarithmic axis with ", 对数刻度" after the range.
std::string SweepSettingsText(const SweepResult& result);

// Every statement, 0 to n - 1.
std::vector<int> AllSweepStatements(const SweepResult& result);

// The console's table (UTF-8, LF): a header of the varied input's name and
// each statement's text, then one row per point of its value and each
// result, "%.17g", separated by tabs.
std::string SweepTabText(const SweepResult& result);

// The same of the input and the chosen statements as CSV for spreadsheet
// programs: UTF-8 with a byte order mark, commas, CR LF, fields quoted
// where they hold a comma, a quote or a line end.
std::string SweepCsvText(const SweepResult& result, std::span<const int> statements);

// What printing the table puts on paper (GBK): the settings line, then the
// print file's sections, "Input:" with the formula's other inputs and
// "process:" with the table, tab separated, values as the dialog shows them.
std::string SweepPrintText(const SweepResult& result, std::span<const int> statements);

}  // namespace orvik
