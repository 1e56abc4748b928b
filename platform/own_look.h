#pragma once

#include <QColor>
#include <QPalette>

class QApplication;

namespace orvik {

// A complete palette for a light window: `window` and `window_text` for the
// window and its labels, light grey buttons, white text areas and black
// text for the rest. Every role of every colour group is set, so that no
// colour comes from the desktop's palette, light or dark: the programs'
// fixed colours are made for a light window.
QPalette LightPalette(const QColor& window, const QColor& window_text);

// Gives the whole program the Fusion style, which draws with the palette on
// every desktop, and `palette`.
void UseOwnLook(QApplication& application, const QPalette& palette);

}  // namespace orvik
