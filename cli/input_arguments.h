#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

class ConsoleOutput;
class FormulaSheet;

// The input row of the sheet named `name` (UTF-8); -1 after saying it is none.
int FindInput(const FormulaSheet& sheet, const std::string& name, ConsoleOutput& output);

// A NAME=TEXT argument of --formula: the input row it names and its text.
struct InputArgument {
    int row;
    std::string text;  // GBK
};

// The rows and texts of NAME=TEXT arguments (UTF-8), the texts being what
// `what` calls them in messages ("值"); nullopt after naming the first
// argument that is not an input of the formula or whose text GBK cannot hold.
std::optional<std::vector<InputArgument>> FindInputArguments(const FormulaSheet& sheet,
                                                             const std::vector<std::string>& arguments,
                                                             std::string_view what, ConsoleOutput& output);

}  // namespace orvik
