#include "window_fixture.h"

#include <QApplication>
#include <QTest>

namespace orvik {

WindowFixture::WindowFixture()
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("calculator window did not become active");
}

void WindowFixture::Click(int id) const
{
    Control<QAbstractButton>(id)->click();
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

QString WindowFixture::Cell(int row, int column) const
{
    const QTableWidgetItem* item = Variables().item(row, column);
    return item ? item->text() : QString();
}

}  // namespace orvik
