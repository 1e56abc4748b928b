#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
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

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The old file's permissions, so that saving does not widen or narrow them.
bool KeepPermissions(int fd, const std::filesystem::path& target)
{
    struct stat old_file;
    if (stat(target.c_str(), &old_file) != 0)
        return errno == ENOENT;
    return fchmod(fd, old_file.st_mode & 07777) == 0;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes)
{
    // Renaming would replace a file that the user may not write.
    if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0)
        return false;
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes) && KeepPermissions(fd, target) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (written && closed && std::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace orvik
