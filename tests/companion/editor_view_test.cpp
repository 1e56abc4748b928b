#include <QClipboard>
#include <QScrollBar>
#include <QtTest>

#include "companion/editor_view.h"

namespace orvik {

// The editor as a user drives it: keys, the mouse, the clipboard, undo.
class EditorViewTest : public QObject {
    Q_OBJECT

private:
    static void Show(EditorView& view, const QString& text)
    {
        // Of fixed pitch, so a column is the same place on every line.
        view.setFont(QFont(QStringLiteral("Noto Sans Mono CJK SC")));
        view.resize(400, 300);
        view.show();
        view.SetText(text);
        view.setFocus();
    }

private slots:
    void KeysMoveAndEdit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<int>("caret");
        const auto keys = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> strokes,
                             const QString& typed = {}) {
            QTestEventList events;
            for (const auto& [key, modifiers] : strokes)
                events.addKeyClick(key, modifiers);
            events.addKeyClicks(typed);
            return events;
        };
        QTest::newRow("typing at the end") << "ab\ncd" << keys({{Qt::Key_End, Qt::ControlModifier}}, "xy")
                                           << "ab\ncdxy" << 7;
        QTest::newRow("Enter splits the line")
            << "abcd" << keys({{Qt::Key_Right, {}}, {Qt::Key_Right, {}}, {Qt::Key_Return, {}}}) << "ab\ncd" << 3;
        QTest::newRow("Backspace at a line start joins the lines")
            << "ab\ncd" << keys({{Qt::Key_Down, {}}, {Qt::Key_Backspace, {}}}) << "abcd" << 2;
        QTest::newRow("Delete takes a surrogate pair whole")
            << "a\U0001F600b" << keys({{Qt::Key_Right, {}}, {Qt::Key_Delete, {}}}) << "ab" << 1;
        QTest::newRow("typing replaces the selection")
            << "hello world" << keys({{Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier}}, "X") << "Xworld"
            << 1;
        QTest::newRow("End and Home keep to the line")
            << "abc\ndef" << keys({{Qt::Key_Down, {}}, {Qt::Key_End, {}}}, "!") << "abc\ndef!" << 8;
        QTest::newRow("up keeps the column")
            << "abcdef\nxy\nuvwxyz" << keys({{Qt::Key_End, {}}, {Qt::Key_Left, {}}, {Qt::Key_Down, {}}, {Qt::Key_Down, {}}}, "!")
            << "abcdef\nxy\nuvwxy!z" << 16;
        QTest::newRow("Tab is typed, not a move to the next control")
            << "ab" << keys({{Qt::Key_End, {}}, {Qt::Key_Tab, {}}}) << "ab\t" << 3;
        QTest::newRow("control keys type nothing") << "ab" << keys({{Qt::Key_B, Qt::ControlModifier}}) << "ab" << 0;
    }

    void KeysMoveAndEdit()
    {
        QFETCH(QString, text);
        QFETCH(QTestEventList, keys);
        QFETCH(QString, edited);
        QFETCH(int, caret);
        EditorView view;
        Show(view, text);
        keys.simulate(&view);
        QCOMPARE(view.Text(), edited);
        QCOMPARE(int(view.CaretPosition()), caret);
        QCOMPARE(view.IsModified(), edited != text);
    }

    void UndoStepsBackThroughTheEdits()
    {
        EditorView view;
        Show(view, QStringLiteral("ab"));
        QTest::keyClicks(&view, QStringLiteral("xy"));
        QTest::keyClick(&view, Qt::Key_Delete);
        QCOMPARE(view.Text(), QStringLiteral("xyb"));
        view.Undo();
        QCOMPARE(view.Text(), QStringLiteral("xyab"));
        view.Undo();  // the typing, as one step
        QCOMPARE(view.Text(), QStringLiteral("ab"));
        view.Undo();
        QCOMPARE(view.Text(), QStringLiteral("ab"));
    }

    void ClipboardTextsKeepTheirLines()
    {
        EditorView view;
        Show(view, QStringLiteral("one\ntwo"));
        view.SelectAll();
        view.Copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\ntwo"));
        view.Cut();
        QCOMPARE(view.Text(), QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("a\r\nb\rc"));
        view.Paste();
        QCOMPARE(view.Text(), QStringLiteral("a\nb\nc"));
    }

    void ClicksPlaceTheCaretAndDoubleClicksSelectAWord()
    {
        EditorView view;
        Show(view, QStringLiteral("abc\ndef ghi"));
        const int line = view.fontMetrics().lineSpacing();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(0, line + line / 2));
        QCOMPARE(int(view.CaretPosition()), 4);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(view.fontMetrics().horizontalAdvance("d"), line + 2));
        QCOMPARE(view.SelectedText(), QStringLiteral("def"));
    }

    // A line of megabytes without a blank shows wrapped and takes keys at once.
    void AHugeLineWrapsAtTheWindowEdge()
    {
        EditorView view;
        Show(view, QString(2'000'000, u'x'));
        const int width = view.fontMetrics().horizontalAdvance(u'x');
        const int lines = view.verticalScrollBar()->maximum() + view.verticalScrollBar()->pageStep();
        QVERIFY2(lines >= 2'000'000 / (view.viewport()->width() / width), qPrintable(QString::number(lines)));
        QTest::keyClick(&view, Qt::Key_Y);
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view.CaretPosition(), std::size_t{2'000'001});
        QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::EditorViewTest)
#include "editor_view_test.moc"
