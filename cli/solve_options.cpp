#include "cli/solve_options.h"

#include <string_view>

namespace orvik {

bool SolveOptions::Take(int argc, const char* const* argv, int& i)
{
    const std::string_view arg = argv[i];
    const struct {
        std::string_view name;
        std::optional<std::string> SolveOptions::*value;
        std::string_view missing;
    } options[] = {
        {"--solve", &SolveOptions::input_, "输入变量名"},
        {"--target", &SolveOptions::target_, "结果变量名=目标值"},
        {"--range", &SolveOptions::range_, "起始值:终止值"},
    };
    for (const auto& option : options) {
        if (arg != option.name)
            continue;
        if (i + 1 < argc)
            this->*option.value = argv[++i];
        else if (error_.empty())
            error_ = std::string(arg) + " 后面缺少 " + std::string(option.missing);
        return true;
    }
    return false;
}

std::string SolveOptions::Check(bool formula, bool sweep, SolveArguments& arguments) const
{
    if (!error_.empty())
        return error_;
    if (!input_ && !target_ && !range_)
        return {};
    if (!formula)
        return "--solve、--target 和 --range 只能和 --formula 一起用";
    if (sweep)
        return "--solve 和 --sweep 不能一起用";
    if (!input_)
        return "--target 和 --range 要和 --solve 一起用";
    if (input_->empty())
        return "--solve 后面缺少 输入变量名";
    const std::string target = target_.value_or("");
    const size_t equals = target.find('=');
    if (equals == 0 || equals == std::string::npos)
        return "--solve 要有 --target 结果变量名=目标值" + (target_ ? ": " + target : std::string());
    const std::string range = range_.value_or("");
    const size_t colon = range.find(':');
    if (range_ && (colon == std::string::npos || range.find(':', colon + 1) != std::string::npos))
        return "--range 应写成 起始值:终止值: " + range;
    arguments = {*input_, target.substr(0, equals), target.substr(equals + 1), range_.has_value(),
                 range.substr(0, colon), range_ ? range.substr(colon + 1) : std::string()};
    return {};
}

}  // namespace orvik
