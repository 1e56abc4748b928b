#include "calculator/input_box.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMimeData>

#include "calculator/key_routing.h"
#include "platform/gbk_qt.h"

namespace orvik {
namespace {

// What a key press puts into the box: its text, or a line break.
QString TypedText(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return QStringLiteral("\n");
    return IsTypedText(event.text()) ? event.text() : QString();
}

}  // namespace

InputBox::InputBox(qsizetype max_bytes, QWidget* parent) : QPlainTextEdit(parent), max_bytes_(max_bytes)
{
}

// An edit that does not lengthen the text always fits: a stored line shown
// in the box may be longer than the bound (";" read back as line breaks).
bool InputBox::Fits(const QTextCursor& at, const QString& text)
{
    const qsizetype now = GbkLinesLength(toPlainText());
    const qsizetype after = now - GbkLinesLength(at.selectedText()) + GbkLinesLength(text);
    if (after <= std::max(now, max_bytes_))
        return true;
    emit TextRefused();
    return false;
}

void InputBox::keyPressEvent(QKeyEvent* event)
{
    const QString typed = TypedText(*event);
    if (!isReadOnly() && !typed.isEmpty() && !Fits(textCursor(), typed)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void InputBox::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty() && !Fits(textCursor(), event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

// Pasting and dropping.
void InputBox::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText() && !Fits(textCursor(), source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace orvik
