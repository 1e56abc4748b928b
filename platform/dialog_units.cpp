#include "platform/dialog_units.h"

#include <QFontMetricsF>

namespace orvik {

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    unit_x_ = metrics.horizontalAdvance(letters) / letters.size() / 4;
    unit_y_ = metrics.height() / 8;
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const
{
    return QRect(QPoint(qRound(x * unit_x_), qRound(y * unit_y_)), Size(width, height));
}

QSize DialogUnits::Size(int width, int height) const
{
    return QSize(qRound(width * unit_x_), qRound(height * unit_y_));
}

}  // namespace orvik
