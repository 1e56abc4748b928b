#include "platform/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik {
namespace {

// A fresh file beside `target`; -1 when none can be created.
int CreateTemporary(const std::filesystem::path& target, std::string& name)
{
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A short name of its own, so a long target name cannot make it too long.
        name = (target.parent_path()
                / (".orvik-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp"))
                   .string();
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The old file's permissions, so that saving does not widen or narrow them.
bool KeepPermissions(int fd, const std::filesystem::path& target)
{
    struct stat old_file;
    if (stat(target.c_str(), &old_file) != 0)
        return errno == ENOENT;
    return fchmod(fd, old_file.st_mode & 07777) == 0;
}

// The file that `path` names: a symbolic link is followed (also a chain of
// them, a relative one from the link's own directory) so that saving
// through it changes the file and keeps the link. A link that leads
// nowhere names the file it would create; a loop of links names none.
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status;
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target)
            return std::nullopt;
        path = path.parent_path() / std::string(target, static_cast<std::size_t>(length));
    }
    return std::nullopt;
}

}  // namespace

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

bool WriteFileAtomically(const std::filesystem::path& link_or_target, std::string_view bytes)
{
    const std::optional<std::filesystem::path> followed = FollowLinks(link_or_target);
    if (!followed)
        return false;
    const std::filesystem::path& target = *followed;
    // Renaming would replace a file that the user may not write.
    if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0)
        return false;
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes) == 0 && KeepPermissions(fd, target) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (written && closed && std::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace orvik
