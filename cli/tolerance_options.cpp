#include "cli/tolerance_options.h"

#include <charconv>
#include <string_view>


namespace orvik {
namespace {

bool ReadSeed(const std::string& text, uint64_t& seed)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool TakeToleranceOption(int argc, const char* const* argv, int& i, ToleranceOptions& options)
{
    const std::string_view arg = argv[i];
    if (arg == "--normal") {
        options.normal = true;
    } else if (arg == "--tolerance" || arg == "--samples" || arg == "--seed") {
        if (i + 1 >= argc) {
            options.missing = arg;
        } else if (arg == "--tolerance") {
            options.tolerances.emplace_back(argv[++i]);
        } else {
            (arg == "--samples" ? options.samples : options.seed) = argv[++i];
        }
    } else {
        return false;
    }
    options.given = true;
    return true;
}

std::string ReadToleranceOptions(const ToleranceOptions& options, bool with_formula, std::string_view other,
                                 ToleranceRequest& request)
{
    if (!options.given)
        return {};
    if (!options.missing.empty()) {
        return options.missing + (options.missing == "--tolerance" ? " 后面缺少 变量名=公差"
                                  : options.missing == "--samples" ? " 后面缺少样本数"
                                                                   : " 后面缺少随机数种子");
    }
    if (!with_formula)
        return "--tolerance、--normal、--samples 和 --seed 只能和 --formula 一起用";
    if (options.tolerances.empty())
        return "--normal、--samples 和 --seed 要和 --tolerance 一起用";
    if (!other.empty())
        return "--tolerance 不能和 " + std::string(other) + " 一起用";
    for (const std::string& tolerance : options.tolerances) {
        const size_t equals = tolerance.find('=');
        if (equals == 0 || equals == std::string::npos)
            return "--tolerance 应写成 变量名=公差: " + tolerance;
    }
    ToleranceSettings& settings = request.settings;
    if (!options.samples.empty()) {
        const std::optional<int> samples = ReadSampleCount(options.samples);
        if (!samples)
            return "--samples 后面应为2到" + std::to_string(kToleranceSamplesMax) + "之间的整数: " + options.samples;
        settings.samples = *samples;
    }
    if (!options.seed.empty() && !ReadSeed(options.seed, settings.seed))
        return "--seed 后面应为0到18446744073709551615之间的整数: " + options.seed;
    settings.distribution = options.normal ? ToleranceDistribution::Normal : ToleranceDistribution::Uniform;
    request.tolerances = options.tolerances;
    return {};
}

}  // namespace orvik
