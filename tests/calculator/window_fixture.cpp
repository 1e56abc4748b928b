#include "window_fixture.h"

#include <QApplication>
#include <QTest>

#include "platform/gbk_qt.h"

namespace orvik {

WindowFixture::WindowFixture(const QString& process_file, Wait wait)
{
    window.RememberProcessFile(process_file);
    window.show();
    if (wait == Wait::UntilShown) {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        return;
    }
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("calculator window did not become active");
}

void WindowFixture::Click(int id) const
{
    Control<QAbstractButton>(id)->click();
}

void WindowFixture::MouseClick(int id) const
{
    QTest::mouseClick(Control<QWidget>(id), Qt::LeftButton);
}

void WindowFixture::ClickInputEnd() const
{
    QTextCursor end = Input().textCursor();
    end.movePosition(QTextCursor::End);
    const QPoint behind = Input().cursorRect(end).center() + QPoint(8, 0);
    QTest::mouseClick(Input().viewport(), Qt::LeftButton, {}, behind);
}

void WindowFixture::SetInput(const QString& text, int caret) const
{
    Input().setPlainText(text);
    QTextCursor cursor = Input().textCursor();
    cursor.setPosition(caret < 0 ? int(text.size()) : caret);
    Input().setTextCursor(cursor);
}

void WindowFixture::Type(const QString& keys) const
{
    for (const QChar c : keys) {
        QWidget* focus = QApplication::focusWidget();
        if (c == u'\r')
            QTest::keyClick(focus, Qt::Key_Return);
        else
            QTest::keyClick(focus, c.toLatin1());
    }
}

void WindowFixture::PressKey(int key) const
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
}

void WindowFixture::JumpTo(const QString& number) const
{
    Control<QLineEdit>(id::kLineNumber)->setText(number);
    Click(id::kJumpToLine);
}

QString WindowFixture::HistoryLine(int slot) const
{
    return FromGbkLines(window.History().Line(slot));
}

QString WindowFixture::Cell(int row, int column) const
{
    const QTableWidgetItem* item = Variables().item(row, column);
    return item ? item->text() : QString();
}

}  // namespace orvik
