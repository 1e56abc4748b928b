#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace orvik {

// Where a window of frame size `size` goes beside the window `owner` (its
// frame) on the screen's free area `screen`: right of it, else left, else
// below, else above, each as far up or left as the owner reaches; where
// none has room, the screen's bottom right corner, away from the input
// box at the owner's top left.
QPoint BesidePosition(const QRect& owner, QSize size, const QRect& screen);

// Moves the top-level `window`, before it is first shown, beside `owner`.
void PlaceBeside(QWidget& window, const QWidget& owner);

}  // namespace orvik
