#pragma once

#include <QFontMetricsF>

#include "companion/wrapped_text.h"

namespace orvik {

// `font` drawn exactly as wide as its characters measure one by one: no
// kerning, no shaping where the script does not need it. Text laid out
// character by character is drawn with it.
QFont MeasuredFont(QFont font);

// Character widths of a Qt font on the screen.
class QtCharAdvances final : public CharAdvances {
public:
    explicit QtCharAdvances(const QFont& font) : metrics_(font) {}

protected:
    double Measure(std::u16string_view character) const override;

private:
    QFontMetricsF metrics_;
};

}  // namespace orvik
