#include "platform/own_look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace orvik {
namespace {

using namespace Qt::StringLiterals;

QColor Between(const QColor& a, const QColor& b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

// Marks every colour as the program's own, roles that later versions of
// Qt add included: a role left unset would be filled in from the desktop's
// palette.
void SetEveryRole(QPalette& palette)
{
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
}

}  // namespace

QPalette LightPalette(const QColor& window, const QColor& window_text)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor button(239, 239, 239);
    QPalette palette(window_text, button, white, QColor(159, 159, 159), QColor(184, 184, 184), black, white,
                     white, window);
    palette.setColor(QPalette::ButtonText, black);
    palette.setColor(QPalette::Midlight, QColor(202, 202, 202));
    palette.setColor(QPalette::Shadow, QColor(118, 118, 118));
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    // Disabled: grey text on light grey, and labels faded into the window.
    const QColor disabled_text(190, 190, 190);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Between(window, window_text));
    palette.setColor(QPalette::Disabled, QPalette::Text, disabled_text);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabled_text);
    palette.setColor(QPalette::Disabled, QPalette::Base, button);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    SetEveryRole(palette);
    return palette;
}

void UseOwnLook(QApplication& application, const QPalette& palette)
{
    if (QStyle* fusion = QStyleFactory::create(u"Fusion"_s))
        application.setStyle(fusion);
    // This also replaces the palettes that a desktop theme gives kinds of
    // widget (buttons, labels, text boxes) of their own.
    QApplication::setPalette(palette);
}

}  // namespace orvik
