#include "cli/input_arguments.h"

#include "cli/console_output.h"
#include "library/core/formula_sheet.h"
#include "platform/gbk.h"

namespace orvik {

int FindInput(const FormulaSheet& sheet, const std::string& name, ConsoleOutput& output)
{
    const std::optional<std::string> gbk_name = Utf8ToGbk(name);
    const int row = gbk_name ? sheet.FindInputRow(*gbk_name) : -1;
    if (row < 0)
        output.WriteError("orvik: " + name + " 不是这个公式的输入变量\n");
    return row;
}

std::optional<std::vector<InputArgument>> FindInputArguments(const FormulaSheet& sheet,
                                                             const std::vector<std::string>& arguments,
                                                             std::string_view what, ConsoleOutput& output)
{
    std::vector<InputArgument> found;
    for (const std::string& argument : arguments) {
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const int row = FindInput(sheet, name, output);
        if (row < 0)
            return std::nullopt;
        std::optional<std::string> text = Utf8ToGbk(argument.substr(equals + 1));
        if (!text) {
            output.WriteError("orvik: " + name + " 的" + std::string(what) + "中有无法用 GBK 表示的字符\n");
            return std::nullopt;
        }
        found.push_back({row, std::move(*text)});
    }
    return found;
}

}  // namespace orvik
