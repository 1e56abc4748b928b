#pragma once

#include <QRect>
#include <QSize>

class QFont;

namespace orvik {

// Positions and sizes given in dialog units of a font: a quarter of its
// average character width across, an eighth of its height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

private:
    double unit_x_;
    double unit_y_;
};

}  // namespace orvik
