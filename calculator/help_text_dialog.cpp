#include "calculator/help_text_dialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/control_id.h"
#include "platform/program_style.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

HelpTextDialog::HelpTextDialog(const QString& text, QWidget* parent) : QDialog(parent)
{
    SetControlId(*this, id::help_text::kDialog);
    setWindowTitle(u"帮助"_s);

    auto* box = new QPlainTextEdit(text, this);
    SetControlId(*box, id::help_text::kText);
    box->setReadOnly(true);
    // Chinese characters twice as wide as the rest keep the text's columns.
    box->setFont(FixedPitchFont(15));
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
    resize(560, 440);
    setFocus();
}

}  // namespace orvik
