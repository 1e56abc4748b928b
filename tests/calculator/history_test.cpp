// The calculation history in the window: the mirror of the input box, ↓ ↑,
// the jump, clearing, the worked example and the Up and Down keys.
#include <QCheckBox>
#include <QTest>

#include "platform/gbk_qt.h"
#include "window_fixture.h"

namespace orvik {

using namespace Qt::StringLiterals;

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void DownIsRefused_data();
    void DownIsRefused();
    void UpOnLineOneDoesNothing();
    void DownStoresEvaluatesAndMoves();
    void UpStoresWhateverTheBoxHolds_data();
    void UpStoresWhateverTheBoxHolds();
    void EditsReachTheLineShowingDoesNot();
    void ClearStatementsStopsAtTheFirstEmptyLine();
    void ExamplesThenDown();
    void ExamplesJoinTextAtTheCaret();
    void JumpToAnEmptyLine();
    void JumpRefusesBadNumbers_data();
    void JumpRefusesBadNumbers();
    void ArrowKeys_data();
    void ArrowKeys();
};

void HistoryTest::DownIsRefused_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty line") << u"1"_s << QString() << u"计算式不能为空白"_s;
    QTest::newRow("line 500") << u"500"_s << u"1"_s << u"计算步骤不能超过500"_s;
    QTest::newRow("not GBK") << u"1"_s << u"x=\U0001F600"_s << NotGbkMessage(u"x=\U0001F600"_s);
}

// The Down key reaches the check even while ↓ is disabled.
void HistoryTest::DownIsRefused()
{
    QFETCH(QString, line);
    QFETCH(QString, text);
    QFETCH(QString, message);
    WindowFixture f;
    f.JumpTo(line);
    f.SetInput(text);
    const bool down_enabled = f.Enabled(id::kStepDown);
    f.Input().setFocus();
    f.PressKey(Qt::Key_Down);
    QCOMPARE(f.port.messages, QStringList{message});
    QCOMPARE(f.LineBox(), line);
    QCOMPARE(f.window.History().CurrentLine(), line.toInt() - 1);
    QCOMPARE(f.Input().toPlainText(), text);
    QCOMPARE(f.Enabled(id::kStepDown), down_enabled);
    QCOMPARE(f.Variables().rowCount(), 0);
}

void HistoryTest::UpOnLineOneDoesNothing()
{
    WindowFixture f;
    f.SetInput(u"a=1"_s);
    f.Click(id::kStepUp);  // disabled
    f.Input().setFocus();
    f.PressKey(Qt::Key_Up);
    QCOMPARE(f.LineBox(), u"1"_s);
    QCOMPARE(f.Input().toPlainText(), u"a=1"_s);
    QCOMPARE(f.Result(), QString());
    QCOMPARE(f.Variables().rowCount(), 0);
    QVERIFY(f.port.messages.isEmpty());
    QVERIFY(!f.Enabled(id::kStepUp));
}

void HistoryTest::DownStoresEvaluatesAndMoves()
{
    WindowFixture f;
    f.Input().setFocus();
    f.Type(u"a=2"_s);
    f.Click(id::kStepDown);
    QCOMPARE(f.HistoryLine(0), u"a=2"_s);
    QCOMPARE(f.Cell(0, 0), u"a"_s);
    QCOMPARE(f.Cell(0, 1), u"2.000000000"_s);
    QCOMPARE(f.Input().toPlainText(), QString());
    QCOMPARE(f.Result(), u"0"_s);
    QCOMPARE(f.LineBox(), u"2"_s);
    QVERIFY(f.Input().hasFocus());
    QVERIFY(f.Enabled(id::kStepUp));
    QVERIFY(f.Enabled(id::kStepDown));
    QVERIFY(f.port.messages.isEmpty());
}

void HistoryTest::UpStoresWhateverTheBoxHolds_data()
{
    QTest::addColumn<QString>("line2");
    QTest::addColumn<int>("variables");
    QTest::newRow("nothing") << QString() << 1;
    QTest::newRow("b=a*3") << u"b=a*3"_s << 2;
}

void HistoryTest::UpStoresWhateverTheBoxHolds()
{
    QFETCH(QString, line2);
    QFETCH(int, variables);
    WindowFixture f;
    f.SetInput(u"a=2"_s);
    f.Click(id::kStepDown);
    f.SetInput(line2);
    f.Click(id::kStepUp);
    QCOMPARE(f.HistoryLine(1), line2);
    QCOMPARE(f.Variables().rowCount(), variables);
    QCOMPARE(f.Input().toPlainText(), u"a=2"_s);
    QCOMPARE(f.Result(), u"2.000000000000"_s);
    QCOMPARE(f.LineBox(), u"1"_s);
    QVERIFY(!f.Enabled(id::kStepUp));
    QVERIFY(f.Enabled(id::kStepDown));
}

void HistoryTest::EditsReachTheLineShowingDoesNot()
{
    WindowFixture f;
    f.SetInput(u"1+1"_s);
    f.Click(id::kStepDown);
    f.JumpTo(u"1"_s);
    QCOMPARE(f.Input().toPlainText(), u"1+1"_s);
    QCOMPARE(f.Result(), u"2.000000000000"_s);

    // An edit stores the line at once and empties the result box.
    f.Input().setFocus();
    f.Type(u"0"_s);
    QCOMPARE(f.Result(), QString());
    f.JumpTo(u"2"_s);
    QCOMPARE(f.Input().toPlainText(), QString());
    f.JumpTo(u"1"_s);
    QCOMPARE(f.Input().toPlainText(), u"1+10"_s);

    // 清屏 shows an empty box; the line keeps its text.
    f.Click(id::kClearInput);
    QCOMPARE(f.Input().toPlainText(), QString());
    f.Click(id::kStepDown);
    QCOMPARE(f.port.messages, QStringList{u"计算式不能为空白"_s});
    f.JumpTo(u"2"_s);
    f.JumpTo(u"1"_s);
    QCOMPARE(f.Input().toPlainText(), u"1+10"_s);
}

void HistoryTest::ClearStatementsStopsAtTheFirstEmptyLine()
{
    WindowFixture f;
    for (const QString& text : {u"1"_s, u"2"_s}) {
        f.SetInput(text);
        f.Click(id::kStepDown);
    }
    f.SetInput(u"3"_s);
    f.JumpTo(u"2"_s);
    f.SetInput(QString());  // a gap at line 2
    f.Click(id::kClearStatements);
    QCOMPARE(f.HistoryLine(0), QString());
    QCOMPARE(f.HistoryLine(1), QString());
    QCOMPARE(f.HistoryLine(2), u"3"_s);
    QCOMPARE(f.LineBox(), u"1"_s);
    QCOMPARE(f.Input().toPlainText(), QString());
    QCOMPARE(f.Result(), u"0"_s);
    QVERIFY(!f.Enabled(id::kStepUp));
    QVERIFY(f.Enabled(id::kStepDown));
}

void HistoryTest::ExamplesThenDown()
{
    WindowFixture f;
    f.Click(id::kExamples);
    QCOMPARE(f.Input().toPlainText(), u"r=(x^2+y^2)^0.5"_s);
    QCOMPARE(f.HistoryLine(1), u"x1=r*cos(30)"_s);
    QCOMPARE(f.HistoryLine(2), u"y1=r*sin(30)"_s);
    QCOMPARE(f.LineBox(), u"1"_s);
    QVERIFY(f.Variables().rowCount() == 0);  // nothing evaluated yet

    f.port.prompt_answers = {u"3"_s, u"4"_s};  // x, y
    f.Click(id::kStepDown);
    QCOMPARE(f.Input().toPlainText(), u"x1=r*cos(30)"_s);
    QCOMPARE(f.Result(), u"4.330127018922"_s);
    QCOMPARE(f.LineBox(), u"2"_s);
    QCOMPARE(f.port.prompts.size(), 2);
}

// On a line that holds text the example joins it at the caret; on line 500
// only the line that exists is written.
void HistoryTest::ExamplesJoinTextAtTheCaret()
{
    WindowFixture f;
    f.JumpTo(u"500"_s);
    f.SetInput(u"2*"_s);
    f.Click(id::kExamples);
    QCOMPARE(f.Input().toPlainText(), u"2*r=(x^2+y^2)^0.5"_s);
    QCOMPARE(f.HistoryLine(499), u"2*r=(x^2+y^2)^0.5"_s);
    QCOMPARE(f.LineBox(), u"500"_s);
    QCOMPARE(f.HistoryLine(0), QString());
}

void HistoryTest::JumpToAnEmptyLine()
{
    WindowFixture f;
    f.SetInput(u"5"_s);
    f.JumpTo(u"7"_s);
    QCOMPARE(f.Input().toPlainText(), QString());
    QCOMPARE(f.window.History().CurrentLine(), 6);
    QCOMPARE(f.HistoryLine(0), u"5"_s);
    QCOMPARE(f.Variables().rowCount(), 0);  // the left line is not evaluated
    QVERIFY(f.Enabled(id::kStepUp));
    QVERIFY(f.Enabled(id::kStepDown));
}

void HistoryTest::JumpRefusesBadNumbers_data()
{
    QTest::addColumn<QString>("number");
    for (const QString& number : {u"501"_s, u"abc"_s, QString()})
        QTest::newRow(qPrintable(number.isEmpty() ? u"empty"_s : number)) << number;
}

void HistoryTest::JumpRefusesBadNumbers()
{
    QFETCH(QString, number);
    WindowFixture f;
    f.SetInput(u"x=1"_s);
    f.JumpTo(number);
    QCOMPARE(f.port.messages, QStringList{u"请输入1到500之间的整数"_s});
    QCOMPARE(f.window.History().CurrentLine(), 0);
    QCOMPARE(f.Input().toPlainText(), u"x=1"_s);
    QVERIFY(f.Control<QLineEdit>(id::kLineNumber)->hasFocus());
}

void HistoryTest::ArrowKeys_data()
{
    QTest::addColumn<bool>("multi_line");
    QTest::addColumn<bool>("on_input");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("caret");  // in "1\n2", the text of line 2
    QTest::addColumn<int>("line");   // afterwards
    const int up = Qt::Key_Up, down = Qt::Key_Down;
    QTest::newRow("single: down") << false << true << down << 0 << 3;
    QTest::newRow("single: up") << false << true << up << 3 << 1;
    QTest::newRow("multi: down on the first row") << true << true << down << 0 << 2;
    QTest::newRow("multi: down on the last row") << true << true << down << 3 << 3;
    QTest::newRow("multi: up on the last row") << true << true << up << 3 << 2;
    QTest::newRow("multi: up on the first row") << true << true << up << 0 << 1;
    QTest::newRow("multi, list focused: down") << true << false << down << 0 << 3;
    QTest::newRow("multi, list focused: up") << true << false << up << 3 << 1;
}

void HistoryTest::ArrowKeys()
{
    QFETCH(bool, multi_line);
    QFETCH(bool, on_input);
    QFETCH(int, key);
    QFETCH(int, caret);
    QFETCH(int, line);
    WindowFixture f;
    f.SetInput(u"1"_s);
    f.Click(id::kStepDown);
    f.Control<QCheckBox>(id::kMultiLine)->setChecked(multi_line);
    f.SetInput(u"1\n2"_s, caret);
    if (on_input)
        f.Input().setFocus();
    else
        f.Variables().setFocus();
    f.PressKey(key);
    QCOMPARE(f.LineBox(), QString::number(line));
    QCOMPARE(f.HistoryLine(1), u"1\n2"_s);
}

}  // namespace orvik

QTEST_MAIN(orvik::HistoryTest)
#include "history_test.moc"
