#include "library/core/library_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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

void Sort(std::vector<std::string>& names)
{
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return ComesBefore(a, b); });
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
