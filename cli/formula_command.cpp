// orvik --formula FILE.tfl [NAME=VALUE ...]: the formula dialog in one go.
// Each NAME=VALUE is typed into the input's value cell and entered there;
// then the formula is computed once and its statements and variables are
// printed as the dialog shows them.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/console_host.h"
#include "engine/engine.h"
#include "library/core/formula_sheet.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

struct CellEntry {
    int row;
    std::string text;  // GBK
};

// The rows and texts of the NAME=VALUE arguments; nullopt after naming the
// first one that is not an input of the formula or cannot be stored.
std::optional<std::vector<CellEntry>> FindCells(const FormulaSheet& sheet, const std::vector<std::string>& values)
{
    std::vector<CellEntry> cells;
    for (const std::string& value : values) {
        const size_t equals = value.find('=');
        const std::string name = value.substr(0, equals);
        const std::optional<std::string> gbk_name = Utf8ToGbk(name);
        const int row = gbk_name ? sheet.FindInputRow(*gbk_name) : -1;
        if (row < 0) {
            std::cerr << "orvik: " << name << " 不是这个公式的输入变量\n";
            return std::nullopt;
        }
        std::optional<std::string> text = Utf8ToGbk(value.substr(equals + 1));
        if (!text) {
            std::cerr << "orvik: " << name << " 的值中有无法用 GBK 表示的字符\n";
            return std::nullopt;
        }
        cells.push_back({row, std::move(*text)});
    }
    return cells;
}

void PrintSheet(const FormulaSheet& sheet)
{
    for (const FormulaStatement& statement : sheet.Statements())
        std::cout << GbkToUtf8(statement.text) << '\t' << GbkToUtf8(statement.result) << '\n';
    for (int row = 0; row < sheet.RowCount(); ++row)
        std::cout << GbkToUtf8(sheet.RowName(row)) << '\t' << GbkToUtf8(sheet.Cell(row)) << '\n';
    std::cout << std::flush;
}

}  // namespace

int RunFormulaCommand(const CommandLine& command_line)
{
    ConsoleHost host(std::cin, std::cerr);
    auto engine = std::make_unique<Engine>(host);
    engine->SetAngleMode(command_line.radians ? AngleMode::Radians : AngleMode::Degrees);
    FormulaSheet sheet(*engine);
    const FormulaSheet::OpenResult opened = sheet.Open(command_line.file);
    if (opened.status == FormulaReadStatus::NotOpened) {
        std::cerr << "orvik: 打不开公式文件 " << command_line.file << '\n';
        return 1;
    }
    for (const std::string_view message : opened.messages)
        host.ShowMessage(message);
    if (opened.status != FormulaReadStatus::Complete)
        return 1;
    const std::optional<std::vector<CellEntry>> cells = FindCells(sheet, command_line.values);
    if (!cells)
        return 2;
    for (const CellEntry& cell : *cells)
        sheet.EnterValue(cell.row, cell.text);
    sheet.Compute();
    PrintSheet(sheet);
    return 0;
}

}  // namespace orvik
