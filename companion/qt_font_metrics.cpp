#include "companion/qt_font_metrics.h"

#include "platform/gbk_qt.h"

namespace orvik {

QtFontMetrics::QtFontMetrics(const QFont& font, QPaintDevice* device)
    : metrics_(font, device), widths_(0x10000, -1.0)
{
}

double QtFontMetrics::CharWidth(std::string_view gbk_char) const
{
    unsigned key = 0;
    for (const char byte : gbk_char)
        key = key << 8 | static_cast<unsigned char>(byte);
    double& width = widths_[key & 0xFFFF];
    if (width < 0)
        width = metrics_.horizontalAdvance(FromGbk(gbk_char));
    return width;
}

}  // namespace orvik
