#include "platform/window_placement.h"

#include <algorithm>

#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace orvik {
namespace {

// `start` moved so that `length` from it stays within [low, high].
int Clamped(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length + 1));
}

}  // namespace

QPoint BesidePosition(const QRect& owner, QSize size, const QRect& screen)
{
    const int y = Clamped(owner.top(), size.height(), screen.top(), screen.bottom());
    const int x = Clamped(owner.left(), size.width(), screen.left(), screen.right());
    if (owner.right() + size.width() <= screen.right())
        return {owner.right() + 1, y};
    if (owner.left() - size.width() >= screen.left())
        return {owner.left() - size.width(), y};
    if (owner.bottom() + size.height() <= screen.bottom())
        return {x, owner.bottom() + 1};
    if (owner.top() - size.height() >= screen.top())
        return {x, owner.top() - size.height()};
    return {screen.right() - size.width() + 1, screen.bottom() - size.height() + 1};
}

// The window's frame is not known before it is shown; the owner's tells
// how much the window manager adds. The owner's window knows its frame
// when QWidget::frameGeometry has not heard of it yet.
void PlaceBeside(QWidget& window, const QWidget& owner)
{
    const QWindow* handle = owner.windowHandle();
    const QScreen* screen = owner.screen();
    if (!handle || !screen)
        return;
    const QMargins frame = handle->frameMargins();
    const QSize decoration(frame.left() + frame.right(), frame.top() + frame.bottom());
    window.move(BesidePosition(owner.geometry().marginsAdded(frame), window.size() + decoration,
                               screen->availableGeometry()));
}

}  // namespace orvik
