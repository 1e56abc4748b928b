#include "calculator/input_box.h"

#include <QKeyEvent>
#include <QMimeData>

#include "platform/gbk_qt.h"

namespace orvik {
namespace {

// What a key press puts into the box: its printable text, or a line break.
QString TypedText(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return QStringLiteral("\n");
    const QString text = event.text();
    return !text.isEmpty() && text[0].isPrint() ? text : QString();
}

}  // namespace

InputBox::InputBox(qsizetype max_bytes, QWidget* parent) : QPlainTextEdit(parent), max_bytes_(max_bytes)
{
}

bool InputBox::Fits(const QTextCursor& at, const QString& text)
{
    const qsizetype kept = GbkLinesLength(toPlainText()) - GbkLinesLength(at.selectedText());
    if (kept + GbkLinesLength(text) <= max_bytes_)
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
