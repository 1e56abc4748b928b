#include "library/core/library_names.h"

#include "library/core/library_paths.h"
#include "platform/gbk.h"
#include "platform/trim_blanks.h"

namespace orvik {
namespace {

bool HoldsSeparator(std::string_view name)
{
    for (unsigned char c : name) {
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F)
            return true;
    }
    return false;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithExtensionInAnyCase(std::string_view name)
{
    if (name.size() < kFormulaExtension.size())
        return false;
    const std::string_view ending = name.substr(name.size() - kFormulaExtension.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        if (LowerAscii(ending[i]) != kFormulaExtension[i])
            return false;
    }
    return true;
}

NameRefusal Refusal(std::string_view name)
{
    if (name.empty())
        return NameRefusal::Empty;
    if (HoldsSeparator(name))
        return NameRefusal::Separator;
    if (name == "." || name == "..")
        return NameRefusal::DotName;
    if (!Utf8ToGbk(name))
        return NameRefusal::NotGbk;
    if (name.size() > kTypedNameMax)
        return NameRefusal::TooLong;
    return NameRefusal::None;
}

}  // namespace

CheckedName CheckTypedName(std::string_view typed)
{
    const std::string_view name = TrimBlanks(typed);
    return {std::string(name), Refusal(name)};
}

std::string FormulaFileName(std::string_view name)
{
    if (name.size() > kFormulaExtension.size() && EndsWithExtensionInAnyCase(name))
        name.remove_suffix(kFormulaExtension.size());
    return std::string(name) + std::string(kFormulaExtension);
}

}  // namespace orvik
