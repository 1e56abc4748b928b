#include "cli/command_line.h"

#include <string_view>

namespace orvik {
namespace {

bool ParseRadix(std::string_view text, Radix& radix)
{
    if (text.size() != 1)
        return false;
    switch (text[0]) {
    case 'B': case 'b': radix = Radix::Binary; return true;
    case 'O': case 'o': radix = Radix::Octal; return true;
    case 'D': case 'd': radix = Radix::Decimal; return true;
    case 'H': case 'h': radix = Radix::Hexadecimal; return true;
    default: return false;
    }
}

bool ParseByteLength(std::string_view text, int& bytes)
{
    if (text == "1" || text == "2" || text == "4" || text == "8") {
        bytes = text[0] - '0';
        return true;
    }
    return false;
}

CommandLine Invalid(std::string error)
{
    CommandLine result;
    result.mode = CommandLine::Mode::Invalid;
    result.error = std::move(error);
    return result;
}

// The options of a sweep, gathered before they can be checked together.
struct SweepOptions {
    std::string argument;  // NAME=FROM:TO[:STEP]
    std::string points;
    bool given = false;  // any of --sweep, --points, --log, --csv
    bool log = false;
    bool csv = false;
};

std::vector<std::string> SplitAtColons(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ':')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// --sweep NAME=FROM:TO:STEP, or NAME=FROM:TO with --points N; the numbers
// are read when the sweep is planned, with the formula dialog's messages.
CommandLine WithSweep(CommandLine result, const SweepOptions& options)
{
    if (!options.given)
        return result;
    if (result.mode != CommandLine::Mode::Formula)
        return Invalid("--sweep、--points、--log 和 --csv 只能和 --formula 一起用");
    if (options.argument.empty())
        return Invalid("--points、--log 和 --csv 要和 --sweep 一起用");
    const size_t equals = options.argument.find('=');
    const std::vector<std::string> parts = SplitAtColons(options.argument.substr(equals + 1));
    const size_t expected = options.points.empty() ? 3 : 2;
    if (equals == 0 || equals == std::string::npos || parts.size() != expected)
        return Invalid("--sweep 应写成 变量名=起始值:终止值:步长, 有 --points 时写成 变量名=起始值:终止值: "
                       + options.argument);
    result.sweep.name = options.argument.substr(0, equals);
    result.sweep.range = {parts[0], parts[1], options.points.empty() ? parts[2] : options.points,
                          !options.points.empty(),
                          options.log ? SweepSpacing::Logarithmic : SweepSpacing::Linear};
    result.sweep.csv = options.csv;
    return result;
}

CommandLine WithTolerance(CommandLine result, const ToleranceOptions& options)
{
    const std::string_view other = !result.sweep.name.empty() ? "--sweep" : !result.solve.input.empty() ? "--solve" : "";
    const std::string error =
        ReadToleranceOptions(options, result.mode == CommandLine::Mode::Formula, other, result.tolerance);
    return error.empty() ? result : Invalid(error);
}

// The arguments that are not options: a formula's NAME=VALUE pairs, or else
// the one process file.
CommandLine WithPositional(CommandLine result, std::vector<std::string> positional)
{
    if (result.mode == CommandLine::Mode::Formula) {
        for (const std::string& value : positional) {
            if (value.find('=') == std::string::npos)
                return Invalid("公式的输入应写成 变量名=值: " + value);
        }
        result.values = std::move(positional);
    } else if (result.mode == CommandLine::Mode::List && !positional.empty()) {
        return Invalid("--list 后面不带参数: " + positional.front());
    } else if (positional.size() > 1) {
        return Invalid("只能给出一个计算过程文件");
    } else if (!positional.empty()) {
        result.file = positional.front();
    }
    return result;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv)
{
    CommandLine result;
    std::vector<std::string> positional;
    SweepOptions sweep;
    SolveOptions solve;
    ToleranceOptions tolerance;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            result.mode = arg == "--version" ? CommandLine::Mode::Version : CommandLine::Mode::Help;
            return result;
        }
        if (arg == "--radians") {
            result.radians = true;
        } else if (arg == "--radix") {
            if (!has_value || !ParseRadix(argv[++i], result.radix))
                return Invalid("--radix 后面应为 B、O、D 或 H");
        } else if (arg == "--bytes") {
            if (!has_value || !ParseByteLength(argv[++i], result.byte_length))
                return Invalid("--bytes 后面应为 1、2、4 或 8");
        } else if (arg == "--eval" || arg == "-e") {
            if (!has_value)
                return Invalid(std::string(arg) + " 后面缺少计算式");
            result.mode = CommandLine::Mode::Eval;
            result.text = argv[++i];
        } else if (arg == "--console" || arg == "--list") {
            result.mode = arg == "--list" ? CommandLine::Mode::List : CommandLine::Mode::Console;
        } else if (arg == "--formula") {
            if (!has_value)
                return Invalid("--formula 后面缺少公式文件");
            result.mode = CommandLine::Mode::Formula;
            result.file = argv[++i];
        } else if (arg == "--sweep" || arg == "--points") {
            if (!has_value)
                return Invalid(std::string(arg) + (arg == "--sweep" ? " 后面缺少 变量名=起始值:终止值:步长" : " 后面缺少点数"));
            (arg == "--sweep" ? sweep.argument : sweep.points) = argv[++i];
            sweep.given = true;
        } else if (arg == "--log" || arg == "--csv") {
            (arg == "--log" ? sweep.log : sweep.csv) = true;
            sweep.given = true;
        } else if (solve.Take(argc, argv, i)) {
            // Solving's options are checked together at the end.
        } else if (TakeToleranceOption(argc, argv, i, tolerance)) {
            // Checked with the others at the end, as solving's.
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Invalid("不认识的选项: " + std::string(arg));
        } else {
            positional.emplace_back(arg);
        }
    }
    result = WithPositional(std::move(result), std::move(positional));
    if (result.mode != CommandLine::Mode::Invalid)
        result = WithSweep(std::move(result), sweep);
    if (result.mode == CommandLine::Mode::Invalid)
        return result;
    std::string error = solve.Check(result.mode == CommandLine::Mode::Formula, !result.sweep.name.empty(), result.solve);
    if (!error.empty())
        return Invalid(std::move(error));
    return WithTolerance(std::move(result), tolerance);
}

}  // namespace orvik
