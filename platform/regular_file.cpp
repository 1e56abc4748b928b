#include "platform/regular_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik {

int OpenRegularFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit)
{
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || bytes.size() + static_cast<std::size_t>(got) > limit) {
            ::close(fd);
            return got == 0 ? std::optional(std::move(bytes)) : std::nullopt;
        }
        bytes.append(block, static_cast<std::size_t>(got));
    }
}

}  // namespace orvik
