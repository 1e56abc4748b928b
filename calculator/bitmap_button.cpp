#include "calculator/bitmap_button.h"

namespace orvik {

BitmapButton::BitmapButton(const QString& caption, const QString& up, const QString& down,
                           QWidget* parent)
    : QPushButton(caption, parent), up_(up), down_(down)
{
    setIcon(up_);
    setIconSize(QSize(20, 20));
    connect(this, &QPushButton::pressed, this, [this] { setIcon(down_); });
    connect(this, &QPushButton::released, this, [this] { setIcon(up_); });
}

}  // namespace orvik
