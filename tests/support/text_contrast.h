#pragma once

#include <algorithm>
#include <cmath>
#include <map>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStringList>
#include <QToolButton>
#include <QWidget>

namespace orvik {

// The palette of a dark desktop theme, given to the application and, as
// some themes do, to buttons, labels and text areas of their own.
inline void UseDarkDesktopPalette()
{
    const QColor dark(45, 45, 45);
    const QColor light(230, 230, 230);
    QPalette palette(light, dark, dark.lighter(150), dark.darker(150), dark.lighter(120), light, Qt::white,
                     QColor(30, 30, 30), dark);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    QApplication::setPalette(palette);
    for (const char* kind : {"QAbstractButton", "QLabel", "QLineEdit", "QAbstractItemView"})
        QApplication::setPalette(palette, kind);
}

// WCAG's relative luminance and contrast ratio.
inline double Luminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

inline double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour a widget writes its text in, or an invalid colour for a
// widget that shows no text of its own.
inline QColor TextColour(const QWidget& widget)
{
    const QPalette& palette = widget.palette();
    if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget))
        return palette.color(QPalette::WindowText);
    if (const auto* tool = qobject_cast<const QToolButton*>(&widget)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return {};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text().isEmpty() ? QColor() : palette.color(QPalette::ButtonText);
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        if (combo->currentText().isEmpty())
            return combo->placeholderText().isEmpty() ? QColor() : palette.color(QPalette::PlaceholderText);
        return palette.color(combo->isEditable() ? QPalette::Text : QPalette::ButtonText);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text().isEmpty() ? QColor() : palette.color(QPalette::WindowText);
    if (const auto* menu_bar = qobject_cast<const QMenuBar*>(&widget))
        return menu_bar->actions().isEmpty() ? QColor() : palette.color(QPalette::ButtonText);
    if (const auto* line = qobject_cast<const QLineEdit*>(&widget))
        return line->text().isEmpty() ? QColor() : palette.color(QPalette::Text);
    if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget))
        return view->model() && view->model()->rowCount() > 0 ? palette.color(QPalette::Text) : QColor();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(&widget))
        return edit->toPlainText().isEmpty() ? QColor() : palette.color(QPalette::Text);
    // Other scrolled areas that draw a text of their own; a scroll area
    // only holds other widgets.
    if (qobject_cast<const QAbstractScrollArea*>(&widget) && !qobject_cast<const QScrollArea*>(&widget))
        return palette.color(QPalette::Text);
    return {};
}

// `colour` drawn over `behind`.
inline QColor Over(const QColor& colour, const QColor& behind)
{
    const double a = colour.alphaF();
    return QColor::fromRgbF(colour.redF() * a + behind.redF() * (1 - a), colour.greenF() * a + behind.greenF() * (1 - a),
                            colour.blueF() * a + behind.blueF() * (1 - a));
}

// What most of `image` is painted with, a gradient taken as one colour:
// the mean of the commonest of the colour cubes 32 levels wide.
inline QColor BackgroundColour(const QImage& image)
{
    struct Sum {
        int count = 0;
        long red = 0, green = 0, blue = 0;
    };
    std::map<int, Sum> cubes;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            Sum& sum = cubes[(qRed(pixel) / 32) * 64 + (qGreen(pixel) / 32) * 8 + qBlue(pixel) / 32];
            ++sum.count;
            sum.red += qRed(pixel);
            sum.green += qGreen(pixel);
            sum.blue += qBlue(pixel);
        }
    }
    const Sum& most = std::max_element(cubes.begin(), cubes.end(), [](const auto& a, const auto& b) {
                          return a.second.count < b.second.count;
                      })->second;
    return QColor(int(most.red / most.count), int(most.green / most.count), int(most.blue / most.count));
}

// Whether some pixel of `image` is at least halfway from `background` to
// `text`: the text is drawn in its colour, antialiasing allowed.
inline bool Shows(const QImage& image, const QColor& text, const QColor& background)
{
    const auto distance = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    const int far = distance(text, background);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (2 * distance(QColor(image.pixel(x, y)), text) <= far)
                return true;
        }
    }
    return false;
}

// Renders `window` and names each text of it that is not drawn in its
// colour, or stands at less than `minimum` contrast against what is drawn
// behind it ("objectName class: ratio, colours"). Hidden, cut off and
// disabled texts are left out.
inline QStringList PoorlyReadableTexts(QWidget& window, double minimum)
{
    const QImage shot = window.grab().toImage();
    QStringList poor;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QColor colour = TextColour(*widget);
        const QRect seen = widget->visibleRegion().boundingRect();
        if (!colour.isValid() || !widget->isVisibleTo(&window) || !widget->isEnabled() || seen.isEmpty())
            continue;
        const QImage drawn = shot.copy(seen.translated(widget->mapTo(&window, QPoint(0, 0))));
        const QColor background = BackgroundColour(drawn);
        const QColor text = Over(colour, background);
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
