#pragma once

#include <string>

namespace orvik {

// What decides whether a window can be shown: the environment variables of
// that name, and where X servers keep their sockets.
struct DisplayEnvironment {
    std::string display;            // DISPLAY
    std::string wayland_display;    // WAYLAND_DISPLAY
    std::string xdg_runtime_dir;    // XDG_RUNTIME_DIR
    std::string qt_qpa_platform;    // QT_QPA_PLATFORM
    std::string x11_socket_directory = "/tmp/.X11-unix";

    static DisplayEnvironment FromProcess();
};

// Whether a window could be shown: a platform that needs no display was
// asked for, or an X server or a Wayland compositor answers where the
// environment points. Decided without the toolkit, which ends the program
// when its display is gone; a server that answers but then refuses (its
// authorisation) is not detected.
bool CanShowWindow(const DisplayEnvironment& environment);

// What a program says when CanShowWindow is false.
inline constexpr const char* kNoDisplayMessage = "没有可用的图形显示 (DISPLAY 或 WAYLAND_DISPLAY 未设置或连不上)";

}  // namespace orvik
