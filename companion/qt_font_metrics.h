#pragma once

#include <string_view>
#include <vector>

#include <QFontMetricsF>

#include "companion/page_layout.h"

namespace orvik {

// The layout's view of a Qt font on a paint device (a printer, in its units).
class QtFontMetrics final : public FontMetrics {
public:
    QtFontMetrics(const QFont& font, QPaintDevice* device);

    double CharWidth(std::string_view gbk_char) const override;
    int Height() const override { return qRound(metrics_.height()); }
    int ExternalLeading() const override { return qRound(metrics_.leading()); }
    double AverageCharWidth() const override { return metrics_.averageCharWidth(); }

private:
    QFontMetricsF metrics_;
    // By a character's bytes as one number; negative until measured. Layout
    // asks for the same few characters again and again.
    mutable std::vector<double> widths_;
};

}  // namespace orvik
