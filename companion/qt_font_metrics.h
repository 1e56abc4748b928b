#pragma once

#include <string_view>
#include <unordered_map>

#include <QFontMetrics>

#include "companion/page_layout.h"

namespace orvik {

// The layout's view of a Qt font on a paint device (a printer, in its units).
class QtFontMetrics final : public FontMetrics {
public:
    QtFontMetrics(const QFont& font, QPaintDevice* device);

    int CharWidth(std::string_view gbk_char) const override;
    int Height() const override { return metrics_.height(); }
    int ExternalLeading() const override { return metrics_.leading(); }
    int AverageCharWidth() const override { return metrics_.averageCharWidth(); }

private:
    QFontMetrics metrics_;
    // Layout asks for the same few characters again and again.
    mutable std::unordered_map<unsigned, int> widths_;
};

}  // namespace orvik
