#include "companion/lock_keys.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names, so it comes last.
#include <X11/XKBlib.h>

namespace orvik {
namespace {

bool IndicatorOn(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    int on = 0;
    return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
}

}  // namespace

LockKeys ReadLockKeys()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return {};
    return {IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
            IndicatorOn(display, "Scroll Lock")};
}

}  // namespace orvik
