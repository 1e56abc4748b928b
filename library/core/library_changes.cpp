#include "library/core/library_changes.h"

#include <cerrno>
#include <cstdio>

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

}  // namespace

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
