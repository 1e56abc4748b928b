#include "library/core/library_listing.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "library/core/library_paths.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

unsigned char Folded(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool IsDirectory(const fs::directory_entry& entry)
{
    std::error_code error;
    return entry.is_directory(error);
}

bool IsHidden(const std::string& name) { return name.starts_with('.'); }

// Calls visit(name, is_directory) for every entry until it returns false.
template <typename Visit>
void ForEachEntry(const std::string& directory, Visit visit)
{
    std::error_code error;
    fs::directory_iterator entries(directory, error);
    for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
        if (!visit(entries->path().filename().string(), IsDirectory(*entries)))
            return;
    }
}

// Names are compared in their GBK form, the form of all the program's text,
// so that Chinese names come in the order of GBK, by pinyin. A name without
// one is compared as it is.
void Sort(std::vector<std::string>& names)
{
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names) {
        std::optional<std::string> gbk = Utf8ToGbk(name);
        keyed.emplace_back(gbk ? std::move(*gbk) : name, std::move(name));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return ComesBefore(a.first, b.first); });
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

void AppendFormulaPaths(const std::string& directory, const std::string& relative,
                        std::set<fs::path>& visited, std::vector<std::string>& paths)
{
    std::error_code error;
    const fs::path real = fs::canonical(directory, error);
    if (error || !visited.insert(real).second)
        return;
    const DirectoryListing listing = ListDirectory(directory, true);
    for (const std::string& name : listing.directories)
        AppendFormulaPaths(JoinPath(directory, name), relative + name + kPathSeparator, visited, paths);
    for (const std::string& name : listing.files) {
        if (IsFormulaFileName(name))
            paths.push_back(relative + name);
    }
}

}  // namespace

bool ComesBefore(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) < Folded(y); });
}

DirectoryListing ListDirectory(const std::string& directory, bool with_files)
{
    DirectoryListing listing;
    ForEachEntry(directory, [&](std::string name, bool is_directory) {
        if (is_directory)
            listing.directories.push_back(std::move(name));
        else if (with_files)
            listing.files.push_back(std::move(name));
        return true;
    });
    Sort(listing.directories);
    Sort(listing.files);
    return listing;
}

std::vector<std::string> ListFormulaPaths(const std::string& library)
{
    std::vector<std::string> paths;
    std::set<fs::path> visited;
    AppendFormulaPaths(library, "", visited, paths);
    return paths;
}

bool HasEntries(const std::string& directory, bool with_files)
{
    bool found = false;
    ForEachEntry(directory, [&](const std::string& name, bool is_directory) {
        found = is_directory || (with_files && !IsHidden(name));
        return !found;
    });
    return found;
}

}  // namespace orvik
