#include "calculator/help_text_dialog.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "platform/control_id.h"
#include "platform/program_style.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

// Wide enough for the longest line, so no line wraps and the text's columns
// stay in place, as far as the screen allows.
int WidthForLongestLine(const QPlainTextEdit& box, const QString& text)
{
    const QFontMetricsF metrics(box.font());
    qreal widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int around = 2 * (int(std::ceil(box.document()->documentMargin())) + box.frameWidth())
                     + box.verticalScrollBar()->sizeHint().width() + box.cursorWidth() + 4;
    const int width = int(std::ceil(widest)) + around;
    const QScreen* screen = box.screen();
    return screen ? std::min(width, screen->availableGeometry().width()) : width;
}

}  // namespace

HelpTextDialog::HelpTextDialog(const QString& text, QWidget* parent) : QDialog(parent)
{
    SetControlId(*this, id::help_text::kDialog);
    setWindowTitle(u"帮助"_s);

    auto* box = new QPlainTextEdit(text, this);
    SetControlId(*box, id::help_text::kText);
    box->setReadOnly(true);
    // Chinese characters twice as wide as the rest keep the text's columns;
    // an even size puts every column on whole pixels.
    box->setFont(FixedPitchFont(16));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, kControlText);
    palette.setColor(QPalette::Base, QColor(190, 190, 0));
    box->setPalette(palette);

    QTextCursor start = box->textCursor();
    start.setPosition(qMin<int>(1, int(text.size())));
    box->setTextCursor(start);
    box->ensureCursorVisible();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    resize(WidthForLongestLine(*box, text), 440);
    setFocus();
}

}  // namespace orvik
