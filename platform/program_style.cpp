#include "platform/program_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace orvik {

using namespace Qt::StringLiterals;

QFont CjkFont(qreal points)
{
    QFont font;
    font.setFamilies({u"Noto Sans CJK SC"_s, u"WenQuanYi Zen Hei"_s, u"Noto Serif CJK SC"_s});
    font.setPointSizeF(points);
    return font;
}

QFont FixedPitchFont(int pixels)
{
    QFont font;
    font.setFamilies({u"Noto Sans Mono CJK SC"_s, u"WenQuanYi Zen Hei Mono"_s, u"monospace"_s});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixels);
    return font;
}

void ApplyProgramStyle(QApplication& application)
{
    if (QStyle* fusion = QStyleFactory::create(u"Fusion"_s))
        application.setStyle(fusion);
    QPalette palette = application.palette();
    palette.setColor(QPalette::Window, kDialogBackground);
    palette.setColor(QPalette::WindowText, kDialogText);
    application.setPalette(palette);
    application.setFont(CjkFont(10));
}

}  // namespace orvik
