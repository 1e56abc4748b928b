#include "platform/window_display.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace orvik {
namespace {

// A server on another machine gets this long to answer.
constexpr int kConnectTimeoutMs = 3000;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Connects `fd` to `address`, waiting at most the timeout.
bool Connect(int fd, const sockaddr* address, socklen_t length)
{
    if (connect(fd, address, length) == 0)
        return true;
    // A local server whose queue of waiting clients is full is there all the same.
    if (errno == EAGAIN)
        return address->sa_family == AF_UNIX;
    if (errno != EINPROGRESS)
        return false;
    pollfd connecting = {fd, POLLOUT, 0};
    int error = 0;
    socklen_t error_length = sizeof error;
    return poll(&connecting, 1, kConnectTimeoutMs) == 1
           && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &error_length) == 0 && error == 0;
}

// Someone listens on the local socket `path`; with `abstract` in the
// abstract name space, where X servers listen as well.
bool LocalSocketAnswers(const std::string& path, bool abstract = false)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool answered = Connect(fd, reinterpret_cast<const sockaddr*>(&address), length);
    close(fd);
    return answered;
}

bool TcpAnswers(const std::string& host, int port)
{
    addrinfo hints = {};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    bool answered = false;
    for (const addrinfo* candidate = found; candidate && !answered; candidate = candidate->ai_next) {
        const int fd = socket(candidate->ai_family, candidate->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                              candidate->ai_protocol);
        if (fd < 0)
            continue;
        answered = Connect(fd, candidate->ai_addr, candidate->ai_addrlen);
        close(fd);
    }
    freeaddrinfo(found);
    return answered;
}

// DISPLAY is [host]:number[.screen]; no host (or "unix") means this
// machine's socket, any other the TCP port 6000 + number there.
bool X11Answers(const DisplayEnvironment& environment)
{
    const std::string& display = environment.display;
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string host = display.substr(0, colon);
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos || number.size() > 5)
        return false;
    if (host.empty() || host == "unix") {
        const std::string path = environment.x11_socket_directory + "/X" + number;
        return LocalSocketAnswers(path) || LocalSocketAnswers(path, true);
    }
    return TcpAnswers(host, 6000 + std::atoi(number.c_str()));
}

// WAYLAND_DISPLAY names a socket in XDG_RUNTIME_DIR, or is a path itself.
bool WaylandAnswers(const DisplayEnvironment& environment)
{
    const std::string& name = environment.wayland_display;
    if (name.empty())
        return false;
    if (name.front() == '/')
        return LocalSocketAnswers(name);
    return !environment.xdg_runtime_dir.empty() && LocalSocketAnswers(environment.xdg_runtime_dir + "/" + name);
}

// One platform of QT_QPA_PLATFORM, options after its ":" left out.
bool PlatformUsable(std::string_view platform, const DisplayEnvironment& environment)
{
    platform = platform.substr(0, platform.find(':'));
    if (platform == "xcb")
        return X11Answers(environment);
    if (platform.starts_with("wayland"))
        return WaylandAnswers(environment);
    // Platforms that draw into memory or serve their own screen; any other
    // the toolkit would not start on here.
    return platform == "offscreen" || platform == "minimal" || platform == "vnc";
}

}  // namespace

DisplayEnvironment DisplayEnvironment::FromProcess()
{
    DisplayEnvironment environment;
    environment.display = Environment("DISPLAY");
    environment.wayland_display = Environment("WAYLAND_DISPLAY");
    environment.xdg_runtime_dir = Environment("XDG_RUNTIME_DIR");
    environment.qt_qpa_platform = Environment("QT_QPA_PLATFORM");
    return environment;
}

bool CanShowWindow(const DisplayEnvironment& environment)
{
    // A list of platforms is tried in its order.
    std::string_view platforms = environment.qt_qpa_platform;
    while (!platforms.empty()) {
        const std::size_t semicolon = platforms.find(';');
        if (PlatformUsable(platforms.substr(0, semicolon), environment))
            return true;
        platforms = semicolon == std::string_view::npos ? std::string_view() : platforms.substr(semicolon + 1);
    }
    if (!environment.qt_qpa_platform.empty())
        return false;
    return X11Answers(environment) || WaylandAnswers(environment);
}

}  // namespace orvik
