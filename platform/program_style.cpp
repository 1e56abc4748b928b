#include "platform/program_style.h"

#include <QApplication>

#include "platform/own_look.h"

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
    UseOwnLook(application, LightPalette(kDialogBackground, kDialogText));
    application.setFont(CjkFont(10));
}

}  // namespace orvik
