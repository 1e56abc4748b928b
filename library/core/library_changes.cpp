#include "library/core/library_changes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik {
namespace {

bool Exists(const std::string& path)
{
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

LibraryChange FromErrno()
{
    return errno == EEXIST || errno == ENOTEMPTY ? LibraryChange::NameTaken : LibraryChange::Failed;
}

std::optional<std::string> RealPath(const std::string& path)
{
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    if (!real)
        return std::nullopt;
    return std::string(real.get());
}

}  // namespace

bool LiesInLibrary(const std::string& directory, const std::string& library)
{
    const std::optional<std::string> real = RealPath(directory);
    const std::optional<std::string> real_library = RealPath(library);
    if (!real || !real_library)
        return true;
    return *real == *real_library || real->starts_with(*real_library == "/" ? "/" : *real_library + "/");
}

LibraryChange MakeCategory(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0 ? LibraryChange::Done : FromErrno();
}

LibraryChange RenameEntry(const std::string& from, const std::string& to)
{
    if (Exists(to))
        return LibraryChange::NameTaken;
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return LibraryChange::Done;
    // File systems without the no-replace rename: the check above has to do.
    if (errno == EINVAL && !Exists(to))
        return std::rename(from.c_str(), to.c_str()) == 0 ? LibraryChange::Done : FromErrno();
    return FromErrno();
}

bool RemoveFormulaFile(const std::string& path)
{
    return unlink(path.c_str()) == 0;
}

}  // namespace orvik
