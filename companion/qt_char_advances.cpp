#include "companion/qt_char_advances.h"

#include <QString>

namespace orvik {
QFont MeasuredFont(QFont font)
{
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

double QtCharAdvances::Measure(std::u16string_view character) const
{
    return metrics_.horizontalAdvance(QString::fromUtf16(character.data(), static_cast<qsizetype>(character.size())));
}

}  // namespace orvik
