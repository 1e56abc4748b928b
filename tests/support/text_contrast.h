#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringList>
#include <QToolButton>

namespace orvik {

// The palette of a dark desktop theme.
inline void UseDarkDesktopPalette()
{
    const QColor dark(45, 45, 45);
    const QColor light(230, 230, 230);
    QApplication::setPalette(QPalette(light, dark, dark.lighter(150), dark.darker(150), dark.lighter(120), light,
                                      Qt::white, QColor(30, 30, 30), dark));
}

// WCAG's contrast ratio of two colours.
inline double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour in which a widget writes a text of its own; invalid without one.
inline QColor TextColour(const QWidget& widget)
{
    const QPalette& palette = widget.palette();
    if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget))
        return palette.color(QPalette::WindowText);
    const auto* tool = qobject_cast<const QToolButton*>(&widget);
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (button)
        return button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                   ? QColor()
                   : palette.color(QPalette::ButtonText);
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        if (!combo->currentText().isEmpty())
            return palette.color(QPalette::ButtonText);
        return combo->placeholderText().isEmpty() ? QColor() : palette.color(QPalette::PlaceholderText);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text().isEmpty() ? QColor() : palette.color(QPalette::WindowText);
    if (const auto* menu_bar = qobject_cast<const QMenuBar*>(&widget))
        return menu_bar->actions().isEmpty() ? QColor() : palette.color(QPalette::ButtonText);
    if (const auto* line = qobject_cast<const QLineEdit*>(&widget))
        return line->text().isEmpty() ? QColor() : palette.color(QPalette::Text);
    if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget))
        return view->model()->rowCount() > 0 ? palette.color(QPalette::Text) : QColor();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(&widget))
        return edit->toPlainText().isEmpty() ? QColor() : palette.color(QPalette::Text);
    // Other scrolled text, such as the print companion's.
    if (qobject_cast<const QAbstractScrollArea*>(&widget))
        return palette.color(QPalette::Text);
    return {};
}

// What most of `image` is painted with, a gradient taken as one colour:
// the mean of the commonest of the colour cubes 32 levels wide.
inline QColor BackgroundColour(const QImage& image)
{
    std::map<int, std::array<long, 4>> cubes;  // count, red, green, blue
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            auto& cube = cubes[(qRed(pixel) / 32) * 64 + (qGreen(pixel) / 32) * 8 + qBlue(pixel) / 32];
            cube[0] += 1;
            cube[1] += qRed(pixel);
            cube[2] += qGreen(pixel);
            cube[3] += qBlue(pixel);
        }
    }
    const auto& most = std::max_element(cubes.begin(), cubes.end(), [](const auto& a, const auto& b) {
                           return a.second[0] < b.second[0];
                       })->second;
    return QColor(int(most[1] / most[0]), int(most[2] / most[0]), int(most[3] / most[0]));
}

// Whether some pixel of `image` is at least halfway from `background` to
// `text`: the text is drawn in its colour, antialiasing allowed.
inline bool Shows(const QImage& image, const QColor& text, const QColor& background)
{
    const auto distance = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (2 * distance(QColor(image.pixel(x, y)), text) <= distance(text, background))
                return true;
        }
    }
    return false;
}

// Renders `window` and names each text of it that is not drawn in its
// colour, or stands at less than `minimum` contrast against what is drawn
// behind it. Hidden, cut off and disabled texts are left out.
inline QStringList PoorlyReadableTexts(QWidget& window, double minimum)
{
    const QImage shot = window.grab().toImage();
    QStringList poor;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QColor text = TextColour(*widget);
        const QRect seen = widget->visibleRegion().boundingRect();
        if (!text.isValid() || !widget->isVisibleTo(&window) || !widget->isEnabled() || seen.isEmpty())
            continue;
        const QImage drawn = shot.copy(seen.translated(widget->mapTo(&window, QPoint(0, 0))));
        const QColor background = BackgroundColour(drawn);
        const double a = text.alphaF();  // placeholder text is see-through
        text = QColor::fromRgbF(text.redF() * a + background.redF() * (1 - a),
                                text.greenF() * a + background.greenF() * (1 - a),
                                text.blueF() * a + background.blueF() * (1 - a));
        const double contrast = Contrast(text, background);
        if (contrast < minimum || !Shows(drawn, text, background))
            poor << QStringLiteral("%1 %2: %3, %4 on %5")
                        .arg(widget->objectName(), widget->metaObject()->className())
                        .arg(contrast, 0, 'f', 2)
                        .arg(text.name(), background.name());
    }
    return poor;
}

}  // namespace orvik
