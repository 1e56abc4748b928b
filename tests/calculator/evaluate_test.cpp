// The evaluate command, the result display and immediate mode.
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "window_fixture.h"

namespace orvik {

using namespace Qt::StringLiterals;

class EvaluateTest : public QObject {
    Q_OBJECT
private slots:
    void ResultInEveryRadix_data();
    void ResultInEveryRadix();
    void RadixShowsItsGroup();
    void EmptyInputKeepsTheResult();
    void TextGbkCannotHoldIsRefused();
    void ImmediateCalculatesInOrder();
    void ImmediateFirstOperatorOnlyJoins();
    void ImmediateFunctionAndParentheses();
    void ImmediateTextsKeepToTheBound();
    void ImmediateBackspace_data();
    void ImmediateBackspace();
};

void EvaluateTest::ResultInEveryRadix_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("radix");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("expected");
    const int d = id::kRadixDecimal, b = id::kRadixBinary, o = id::kRadixOctal, h = id::kRadixHexadecimal;
    QTest::newRow("D 1/3") << u"1/3"_s << d << id::kBytes4 << u"0.333333333333"_s;
    QTest::newRow("D 0") << u"0"_s << d << id::kBytes4 << u"0.000000E+000"_s;
    QTest::newRow("D 10^31") << u"10^31"_s << d << id::kBytes4 << u"1.000000E+031"_s;
    QTest::newRow("D -2.5") << u"-2.5"_s << d << id::kBytes4 << u"-2.500000000000"_s;
    QTest::newRow("B1 -1") << u"-1"_s << b << id::kBytes1 << u"0B11111111"_s;
    QTest::newRow("B1 5.9") << u"5.9"_s << b << id::kBytes1 << u"0B101"_s;
    QTest::newRow("B2 0") << u"0"_s << b << id::kBytes2 << u"0B0"_s;
    QTest::newRow("B4 256") << u"256"_s << b << id::kBytes4 << u"0B100000000"_s;
    QTest::newRow("H2 65537") << u"65537"_s << h << id::kBytes2 << u"0x1"_s;
    QTest::newRow("H4 255") << u"255"_s << h << id::kBytes4 << u"0xFF"_s;
    QTest::newRow("H8 2^32") << u"2^32"_s << h << id::kBytes8 << u"0x100000000"_s;
    QTest::newRow("H8 -1") << u"-1"_s << h << id::kBytes8 << u"0xFFFFFFFF"_s;
    QTest::newRow("O1 511") << u"511"_s << o << id::kBytes1 << u"Oct377"_s;
    QTest::newRow("O8 2^32") << u"2^32"_s << o << id::kBytes8 << u"Oct40000000000"_s;
}

// Typed, then Space; then the radix and byte length re-show the value.
void EvaluateTest::ResultInEveryRadix()
{
    QFETCH(int, radix);
    QFETCH(int, bytes);
    QFETCH(QString, expected);
    QFETCH(QString, statement);
    WindowFixture f;
    f.Input().setFocus();
    f.Type(statement + u' ');
    QCOMPARE(f.Input().toPlainText(), statement);
    f.Click(radix);
    f.Click(bytes);
    QCOMPARE(f.Result(), expected);
    QCOMPARE(f.port.messages, QStringList());
}

void EvaluateTest::RadixShowsItsGroup()
{
    WindowFixture f;
    const int angle[] = {id::kDegrees, id::kRadians};
    const int bytes[] = {id::kByteLengthLabel, id::kBytes1, id::kBytes2, id::kBytes4, id::kBytes8};
    auto expect = [&](bool decimal) {
        for (const int id : angle)
            QCOMPARE(f.Control<QWidget>(id)->isVisible(), decimal);
        for (const int id : bytes)
            QCOMPARE(f.Control<QWidget>(id)->isVisible(), !decimal);
    };
    expect(true);
    f.SetInput(u"255"_s);
    f.Click(id::kRadixHexadecimal);
    expect(false);
    QCOMPARE(f.Result(), u"0xFF"_s);
    f.Click(id::kRadixOctal);
    expect(false);
    f.Click(id::kRadixDecimal);
    expect(true);
    QCOMPARE(f.Result(), u"255.000000000000"_s);
}

void EvaluateTest::EmptyInputKeepsTheResult()
{
    WindowFixture f;
    f.window.ShowResultText(u"7"_s);
    f.Click(id::kEvaluate);
    QCOMPARE(f.Result(), u"7"_s);
}

void EvaluateTest::TextGbkCannotHoldIsRefused()
{
    WindowFixture f;
    f.SetInput(u"1+😀"_s);
    f.Click(id::kEvaluate);
    QCOMPARE(f.port.messages.size(), 1);
    QVERIFY(f.port.messages[0].contains(u"😀"_s));
    QCOMPARE(f.Input().toPlainText(), u"1+😀"_s);
    QCOMPARE(f.Result(), QString());
}

void EvaluateTest::ImmediateCalculatesInOrder()
{
    WindowFixture f;
    f.Click(id::kImmediate);
    QCOMPARE(f.port.messages.size(), 1);
    QVERIFY(f.port.messages[0].startsWith(u"注意,目前此功能只能按顺序计算"_s));
    QVERIFY(f.Input().isReadOnly());
    for (const int key : {id::kDigit2, id::kPlus, id::kDigit3, id::kTimes, id::kDigit5})
        f.Click(key);
    f.Type(u"="_s);
    QCOMPARE(f.Input().toPlainText(), u"5.00*5"_s);
    QCOMPARE(f.Result(), u"25.00"_s);
    f.Click(id::kImmediate);
    QVERIFY(!f.Input().isReadOnly());
}

void EvaluateTest::ImmediateFirstOperatorOnlyJoins()
{
    WindowFixture f;
    f.Click(id::kImmediate);
    f.Type(u"7+"_s);
    QCOMPARE(f.Input().toPlainText(), u"7+"_s);
    QCOMPARE(f.Result(), u"7+"_s);
    f.Type(u"1+"_s);
    QCOMPARE(f.Input().toPlainText(), u"8.00+"_s);
    QCOMPARE(f.Result(), u"8.00+"_s);
    f.Type(u"2"_s);
    QCOMPARE(f.Result(), QString());
}

// Immediate mode builds its texts itself; they keep to the box's bound.
void EvaluateTest::ImmediateTextsKeepToTheBound()
{
    WindowFixture f;
    f.Input().setPlainText(QString(2997, u'1'));
    f.Click(id::kImmediate);
    f.port.messages.clear();
    f.Type(u"11+"_s);
    f.Click(id::kSin);
    QCOMPARE(f.Input().toPlainText(), QString(2998, u'1'));
    QCOMPARE(f.port.messages, QStringList(3, u"计算式太长,书写框中最多只能有2998个字节"_s));
}

void EvaluateTest::ImmediateFunctionAndParentheses()
{
    WindowFixture f;
    f.Click(id::kImmediate);
    f.Type(u"30"_s);
    f.Click(id::kOpenParenthesis);
    f.Click(id::kCloseParenthesis);
    QCOMPARE(f.Input().toPlainText(), u"30"_s);
    f.Click(id::kSin);
    QCOMPARE(f.Input().toPlainText(), u"sin(30)"_s);
    QCOMPARE(f.Result(), u"0.50"_s);
}

void EvaluateTest::ImmediateBackspace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digit") << u"12"_s << u"1"_s;
    QTest::newRow("line break") << u"12\n"_s << u"12"_s;
    QTest::newRow("chinese") << u"2*半径"_s << u"2*半"_s;
    QTest::newRow("empty") << u""_s << u""_s;
}

void EvaluateTest::ImmediateBackspace()
{
    QFETCH(QString, expected);
    QFETCH(QString, text);
    WindowFixture f;
    f.Click(id::kImmediate);
    f.window.ShowInputText(text);
    f.window.ShowResultText(u"1.00"_s);
    f.PressKey(Qt::Key_Backspace);
    QCOMPARE(f.Input().toPlainText(), expected);
    QCOMPARE(f.Caret(), f.Input().toPlainText().size());
    QCOMPARE(f.Result(), QString());
}

}  // namespace orvik

QTEST_MAIN(orvik::EvaluateTest)
#include "evaluate_test.moc"
