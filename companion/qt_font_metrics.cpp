#include "companion/qt_font_metrics.h"

#include "platform/gbk_qt.h"

namespace orvik {

QtFontMetrics::QtFontMetrics(const QFont& font, QPaintDevice* device) : metrics_(font, device) {}

int QtFontMetrics::CharWidth(std::string_view gbk_char) const
{
    unsigned key = 0;
    for (const char byte : gbk_char)
        key = key << 8 | static_cast<unsigned char>(byte);
    const auto [entry, added] = widths_.try_emplace(key, 0);
    if (added)
        entry->second = metrics_.horizontalAdvance(FromGbk(gbk_char));
    return entry->second;
}

}  // namespace orvik
