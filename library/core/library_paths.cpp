#include "library/core/library_paths.h"

namespace orvik {
namespace {

std::string_view WithoutTrailingSeparators(std::string_view path)
{
    while (!path.empty() && path.back() == kPathSeparator)
        path.remove_suffix(1);
    return path;
}

// The item path of a formula ends in one blank that the file name lacks.
std::string_view WithoutCaptionBlank(const LibraryItem& item)
{
    std::string_view path = item.path;
    if (item.IsFormula() && path.ends_with(' '))
        path.remove_suffix(1);
    return path;
}

}  // namespace

std::string CaptionOfPath(std::string_view path)
{
    path = WithoutTrailingSeparators(path);
    const std::size_t last = path.rfind(kPathSeparator);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ParentDirectory(std::string_view path)
{
    path = WithoutTrailingSeparators(path);
    const std::size_t last = path.rfind(kPathSeparator);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last));
}

std::string JoinPath(std::string_view directory, std::string_view name)
{
    std::string path(WithoutTrailingSeparators(directory));
    path += kPathSeparator;
    path += name;
    return path;
}

bool IsFormulaFileName(std::string_view name)
{
    return name.ends_with(kFormulaExtension);
}

std::string FormulaFilePath(const LibraryItem& formula)
{
    return std::string(WithoutCaptionBlank(formula)) + std::string(kFormulaExtension);
}

std::string ItemName(const LibraryItem& item)
{
    return CaptionOfPath(WithoutCaptionBlank(item));
}

std::string TargetDirectory(const LibraryItem& selected, std::string_view library)
{
    switch (selected.kind) {
    case LibraryItemKind::None:
        return std::string(library);
    case LibraryItemKind::Formula:
        return ParentDirectory(selected.path);
    case LibraryItemKind::Root:
    case LibraryItemKind::Category:
        break;
    }
    return selected.path;
}

}  // namespace orvik
