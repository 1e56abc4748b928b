// The variable list and the value prompt of the engine.
#include <QApplication>
#include <QTest>

#include "window_fixture.h"

Q_DECLARE_METATYPE(std::optional<QString>)

namespace orvik {

using namespace Qt::StringLiterals;

class VariablesTest : public QObject {
    Q_OBJECT
private slots:
    void RowsFollowTheTable();
    void RightClickInsertsTheName();
    void DoubleClickEditsTheValue_data();
    void DoubleClickEditsTheValue();
    void EnterOnTheListEditsTheValue();
    void UnknownNameAsksForItsValue();
    void EntryGbkCannotHoldIsAskedAgain();
    void ClearVariablesAsksFirst();

private:
    static QPoint RowCentre(const WindowFixture& f, int row);
};

QPoint VariablesTest::RowCentre(const WindowFixture& f, int row)
{
    return f.Variables().visualItemRect(f.Variables().item(row, 0)).center();
}

void VariablesTest::RowsFollowTheTable()
{
    WindowFixture f;
    f.SetInput(u"a=10^12;b=0.5;z=0;d=-3;半径=2"_s);
    f.Click(id::kEvaluate);
    const QStringList expected[] = {
        {u"a"_s, u"1.000000E+012"_s}, {u"b"_s, u"0.500000000"_s}, {u"z"_s, u"0.000000E+000"_s},
        {u"d"_s, u"-3.000000000"_s}, {u"半径"_s, u"2.000000000"_s}};
    QCOMPARE(f.Variables().rowCount(), 5);
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(f.Cell(row, 0), expected[row][0]);
        QCOMPARE(f.Cell(row, 1), expected[row][1]);
        QCOMPARE(f.Variables().item(row, 1)->toolTip(), expected[row][1]);
    }
    f.SetInput(u"a=7"_s);
    f.Click(id::kEvaluate);
    QCOMPARE(f.Cell(0, 1), u"7.000000000"_s);
    QCOMPARE(f.Variables().rowCount(), 5);
    QCOMPARE(f.Variables().columnWidth(0), 100);
    // The values take the rest of the list: no empty strip beside them.
    QVERIFY(f.Variables().columnWidth(1) >= 80);
    QCOMPARE(f.Variables().columnWidth(0) + f.Variables().columnWidth(1), f.Variables().viewport()->width());
}

void VariablesTest::RightClickInsertsTheName()
{
    WindowFixture f;
    f.SetInput(u"a=2;b=3"_s);
    f.Click(id::kEvaluate);
    f.SetInput(u"2*"_s);
    f.Input().setFocus();
    QWidget* viewport = f.Variables().viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, RowCentre(f, 0));
    QCOMPARE(f.Input().toPlainText(), u"2*a"_s);
    QCOMPARE(QApplication::focusWidget(), &f.Input());  // the list's type-ahead gets nothing
    f.Type(u"+b"_s);
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(10, viewport->height() - 5));
    QCOMPARE(f.Input().toPlainText(), u"2*a+b"_s);
    auto* line_box = f.Control<QWidget>(id::kLineNumber);
    line_box->setFocus();
    QTest::mouseClick(viewport, Qt::RightButton, {}, RowCentre(f, 1));
    QCOMPARE(f.Input().toPlainText(), u"2*a+bb"_s);
    QCOMPARE(QApplication::focusWidget(), line_box);
}

void VariablesTest::DoubleClickEditsTheValue_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("statement") << std::optional(u"3/4"_s) << u"0.750000000"_s;
    QTest::newRow("uses pi") << std::optional(u"2*π"_s) << u"6.283185307"_s;
    QTest::newRow("cancel") << std::optional<QString>() << u"0.500000000"_s;
    QTest::newRow("empty") << std::optional(u""_s) << u"0.500000000"_s;
}

void VariablesTest::DoubleClickEditsTheValue()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, shown);
    WindowFixture f;
    f.SetInput(u"a=1;b=0.5"_s);
    f.Click(id::kEvaluate);
    f.port.prompt_answers << answer;
    QTest::mouseDClick(f.Variables().viewport(), Qt::LeftButton, {}, RowCentre(f, 1));
    QCOMPARE(f.port.prompts.size(), 1);
    QCOMPARE(f.port.prompts[0].prompt, u"b"_s);
    QCOMPARE(f.port.prompts[0].entry, u"0.50000000000"_s);
    QCOMPARE(f.Cell(1, 0), u"b"_s);
    QCOMPARE(f.Cell(1, 1), shown);
    QTest::mouseDClick(f.Variables().viewport(), Qt::LeftButton, {},
                       QPoint(10, f.Variables().viewport()->height() - 5));
    QCOMPARE(f.port.prompts.size(), 1);
}

void VariablesTest::EnterOnTheListEditsTheValue()
{
    WindowFixture f;
    f.SetInput(u"a=1;b=2"_s);
    f.Click(id::kEvaluate);
    f.SetInput(u"b*10"_s);
    f.window.ShowResultText(u"-"_s);
    f.Variables().setFocus();
    f.Variables().selectRow(1);
    f.port.prompt_answers << u"5"_s;
    f.PressKey(Qt::Key_Return);
    QCOMPARE(f.port.prompts.size(), 1);
    QCOMPARE(f.port.prompts[0].prompt, u"b"_s);
    QCOMPARE(f.Cell(1, 1), u"5.000000000"_s);
    QCOMPARE(f.Result(), u"-"_s);  // not evaluated
    QVERIFY(f.window.isVisible());
}

void VariablesTest::UnknownNameAsksForItsValue()
{
    WindowFixture f;
    f.port.prompt_answers << u"4"_s << std::nullopt;
    f.SetInput(u"x*2+y"_s);
    f.Click(id::kEvaluate);
    QCOMPARE(f.port.prompts.size(), 2);
    QCOMPARE(f.port.prompts[0].prompt, u"x"_s);
    QCOMPARE(f.port.prompts[0].entry, u"0"_s);
    QCOMPARE(f.Result(), u"8.000000000000"_s);
    QCOMPARE(f.Cell(1, 0), u"y"_s);
    QCOMPARE(f.Cell(1, 1), u"0.000000E+000"_s);
}

void VariablesTest::EntryGbkCannotHoldIsAskedAgain()
{
    WindowFixture f;
    f.port.prompt_answers << u"3😀"_s << u"3"_s;
    f.SetInput(u"长度*2"_s);
    f.Click(id::kEvaluate);
    QCOMPARE(f.port.prompts.size(), 2);
    QCOMPARE(f.port.prompts[0].prompt, u"长度"_s);
    QCOMPARE(f.port.prompts[1].entry, u"3😀"_s);  // what was typed is kept
    QCOMPARE(f.port.messages.size(), 1);
    QCOMPARE(f.Result(), u"6.000000000000"_s);
}

void VariablesTest::ClearVariablesAsksFirst()
{
    WindowFixture f;
    f.SetInput(u"a=1;b=2"_s);
    f.Click(id::kEvaluate);
    f.port.answers << false << true;
    f.Click(id::kClearVariables);
    QCOMPARE(f.port.questions, QStringList{u"确定要删除所有内存变量吗?"_s});
    QCOMPARE(f.engine->Variables().Count(), 2);
    QCOMPARE(f.Variables().rowCount(), 2);
    f.Click(id::kClearVariables);
    QCOMPARE(f.engine->Variables().Count(), 0);
    QCOMPARE(f.Variables().rowCount(), 0);
    f.SetInput(u"c=7"_s);
    f.Click(id::kEvaluate);
    QCOMPARE(f.Cell(0, 0), u"c"_s);
}

}  // namespace orvik

QTEST_MAIN(orvik::VariablesTest)
#include "variables_test.moc"
