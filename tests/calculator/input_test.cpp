// Input assistance: keypad insertion and caret, lists, marks, editing keys
// and the routing of typed keys.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include "calculator/choice_list.h"
#include "calculator/key_routing.h"
#include "records/process_file.h"
#include "window_fixture.h"

Q_DECLARE_METATYPE(orvik::KeyContext)

namespace orvik {

using namespace Qt::StringLiterals;

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void KeypadInsertsAtCaret_data();
    void KeypadInsertsAtCaret();
    void TypedDigitsFollowTheKeypad();
    void EveryTypedCharacterReachesTheBox_data();
    void EveryTypedCharacterReachesTheBox();
    void AssignKeyPassesFocusToEvaluate();
    void FunctionListPutsCaretInside_data();
    void FunctionListPutsCaretInside();
    void CancelledListInsertsNothing();
    void MarksInsertAndFocusTheBox();
    void BackspaceAndClear();
    void RouteKeyDecides_data();
    void RouteKeyDecides();
    void SpaceAndEnterEvaluate();
    void MultiLineEnter();
    void ArrowsReachTheHistory();
    void CommaIsTypedNormally();
    void KeyForAnInactiveWindowIsTypedOnceAtMost();
    void BoxRefusesTextBeyondItsLength();
};

void InputTest::KeypadInsertsAtCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("function between parentheses") << u"2*"_s << 2 << 2 << id::kSin << u"2*sin()"_s << 6;
    QTest::newRow("four-byte function") << u""_s << 0 << 0 << id::kLg << u"lg()"_s << 3;
    QTest::newRow("operator") << u"2"_s << 1 << 1 << id::kPower << u"2^"_s << 2;
    QTest::newRow("pi is short") << u"2*"_s << 2 << 2 << id::kPi << u"2*π"_s << 3;
    QTest::newRow("replaces the selection") << u"abc"_s << 1 << 2 << id::kDigit7 << u"a7c"_s << 2;
    QTest::newRow("in the middle") << u"(1)"_s << 1 << 1 << id::kMinus << u"(-1)"_s << 2;
    QTest::newRow("parentheses") << u"x"_s << 0 << 0 << id::kOpenParenthesis << u"(x"_s << 1;
}

void InputTest::KeypadInsertsAtCaret()
{
    QFETCH(QString, expected);
    QFETCH(int, caret);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, button);
    WindowFixture f;
    f.SetInput(text, start);
    QTextCursor selection = f.Input().textCursor();
    selection.setPosition(end, QTextCursor::KeepAnchor);
    f.Input().setTextCursor(selection);
    f.window.ShowResultText(u"9"_s);

    f.Click(button);

    QCOMPARE(f.Input().toPlainText(), expected);
    QCOMPARE(f.Caret(), caret);
    QCOMPARE(f.Result(), QString());
}

void InputTest::TypedDigitsFollowTheKeypad()
{
    WindowFixture f;
    f.Input().setFocus();
    f.Type(u"2"_s);  // typed into the box itself
    QCOMPARE(QApplication::focusWidget(), &f.Input());
    f.Type(u"*"_s);  // always the keypad, which hands the focus back to the box
    QCOMPARE(QApplication::focusWidget(), &f.Input());
    f.Type(u"sin(3"_s);
    f.Click(id::kDigit0);  // a clicked button keeps digits going to the caret
    f.Type(u"0)+"_s);
    QCOMPARE(f.Input().toPlainText(), u"2*sin(300)+"_s);
    f.Click(id::kSin);
    f.Type(u"30"_s);
    QCOMPARE(f.Input().toPlainText(), u"2*sin(300)+sin(30)"_s);
    QCOMPARE(f.Caret(), 17);
}

void InputTest::EveryTypedCharacterReachesTheBox_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");
    const QString evaluate = u"@1048"_s;
    QTest::newRow("prompt, click, operator, letters")
        << QStringList{u"@end"_s, u"k5"_s, evaluate, u"@end"_s, u"+w*v"_s} << u"k5+w*v"_s;
    QTest::newRow("prompt, typing on") << QStringList{u"@end"_s, u"k5"_s, evaluate, u"+w"_s} << u"k5+w"_s;
    QTest::newRow("prompt by Enter") << QStringList{u"@end"_s, u"k5\r+w"_s} << u"k5+w"_s;
    QTest::newRow("keypad click, typing") << QStringList{u"@end"_s, u"2"_s, u"@1013"_s, u"x+y"_s}
                                          << u"2*x+y"_s;
    QTest::newRow("function button, typing") << QStringList{u"@end"_s, u"@1034"_s, u"x"_s} << u"sin(x)"_s;
    QTest::newRow("= button, typing") << QStringList{u"@end"_s, u"r"_s, u"@1031"_s, u"w+1"_s} << u"r=w+1"_s;
    QTest::newRow("radix, typing") << QStringList{u"@end"_s, u"1"_s, u"@1073"_s, u"+w"_s} << u"1+w"_s;
    QTest::newRow("evaluating nothing, typing") << QStringList{evaluate, u"w"_s} << u"w"_s;
    QTest::newRow("variable list, typing")
        << QStringList{u"@end"_s, u"a=1\r"_s, u"@list"_s, u"+b"_s} << u"a=1+b"_s;
    QTest::newRow("multi-line, prompt, click, typing")
        << QStringList{u"@1063"_s, u"@end"_s, u"k5\r"_s, evaluate, u"@end"_s, u"w+v"_s} << u"k5\nw+v"_s;
}

// Typed keys go where a user's eyes are: into the input box, whatever was
// clicked or asked before. A step is typed, or is a mouse click: "@1048" on
// that control, "@end" behind the input box's text, "@list" on the first
// variable. The prompt for an unknown name is answered.
void InputTest::EveryTypedCharacterReachesTheBox()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    WindowFixture f;
    f.port.prompt_answers << u"2"_s;
    for (const QString& step : steps) {
        if (step == u"@end")
            f.ClickInputEnd();
        else if (step == u"@list")
            QTest::mouseClick(f.Variables().viewport(), Qt::LeftButton, {},
                              f.Variables().visualItemRect(f.Variables().item(0, 0)).center());
        else if (step.startsWith(u'@'))
            f.MouseClick(step.mid(1).toInt());
        else
            f.Type(step);
    }
    QCOMPARE(f.Input().toPlainText(), expected);
}

void InputTest::AssignKeyPassesFocusToEvaluate()
{
    WindowFixture f;
    f.SetInput(u"r"_s);
    f.Click(id::kAssign);
    QCOMPARE(f.Input().toPlainText(), u"r="_s);
    QCOMPARE(QApplication::focusWidget(), f.Control<QWidget>(id::kEvaluate));
}

void InputTest::FunctionListPutsCaretInside_data()
{
    QTest::addColumn<int>("list_id");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("pow") << id::kFunctionList << u"pow()"_s << u"1+pow()"_s << 6;
    QTest::newRow("x%y") << id::kFunctionList << u"x%y"_s << u"1+x%y"_s << 4;
    QTest::newRow("alpha") << id::kSymbolList << u"α"_s << u"1+α"_s << 3;
    QTest::newRow("Omega") << id::kSymbolList << u"Ω"_s << u"1+Ω"_s << 3;
}

void InputTest::FunctionListPutsCaretInside()
{
    QFETCH(int, list_id);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    QFETCH(QString, item);
    WindowFixture f;
    auto* list = f.Control<ChoiceList>(list_id);
    const int index = list->findText(item);
    QVERIFY(index >= 0);
    f.SetInput(u"1+"_s);
    list->setCurrentIndex(index);
    emit list->activated(index);
    QCOMPARE(f.Input().toPlainText(), expected);
    QCOMPARE(f.Caret(), caret);
    QCOMPARE(QApplication::focusWidget(), &f.Input());
}

void InputTest::CancelledListInsertsNothing()
{
    WindowFixture f;
    auto* list = f.Control<ChoiceList>(id::kFunctionList);
    QCOMPARE(list->count(), 17);
    QCOMPARE(list->itemText(0), u" !()"_s);  // sorted
    QCOMPARE(f.Control<ChoiceList>(id::kSymbolList)->count(), 48);
    f.SetInput(u"ab"_s, 1);
    list->setFocus();
    list->showPopup();
    list->hidePopup();
    QCoreApplication::processEvents();
    const int index = list->findText(u"sqrt()"_s);
    list->setCurrentIndex(index);
    emit list->activated(index);
    QCOMPARE(f.Input().toPlainText(), u"ab"_s);
    QCOMPARE(f.Caret(), 1);
    emit list->activated(index);  // the next choice counts again
    QCOMPARE(f.Input().toPlainText(), u"asqrt()b"_s);
}

void InputTest::MarksInsertAndFocusTheBox()
{
    WindowFixture f;
    f.SetInput(u"10"_s);
    f.Click(id::kDegreeMark);
    f.Type(u"7"_s);  // the box has the focus
    f.Click(id::kMinuteMark);
    f.Click(id::kSecondMark);
    QCOMPARE(f.Input().toPlainText(), u"10°7′″"_s);
    QCOMPARE(QApplication::focusWidget(), &f.Input());
}

void InputTest::BackspaceAndClear()
{
    WindowFixture f;
    f.SetInput(u"sin(π)"_s, 5);
    f.Click(id::kBackspace);
    QCOMPARE(f.Input().toPlainText(), u"sin()"_s);
    QCOMPARE(f.Caret(), 4);
    f.Click(id::kClearInput);
    QCOMPARE(f.Input().toPlainText(), QString());
    QCOMPARE(QApplication::focusWidget(), &f.Input());
}

void InputTest::RouteKeyDecides_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<KeyContext>("context");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("keypad");
    QTest::addColumn<bool>("consumed");
    const int none = int(KeyAction::None);
    const int evaluate = int(KeyAction::Evaluate);
    const int keypad = int(KeyAction::Keypad);
    KeyContext plain;
    plain.focus = KeyFocus::InputBox;
    KeyContext routed = plain;
    routed.keypad_routing = true;
    KeyContext button;
    KeyContext line_box;
    line_box.focus = KeyFocus::LineNumberBox;
    KeyContext immediate;
    immediate.immediate = true;
    KeyContext multi;
    multi.multi_line = true;
    multi.focus = KeyFocus::InputBox;
    KeyContext multi_end = multi;
    multi_end.input_ends_with_line_break = true;
    KeyContext top = multi;
    top.caret_on_first_line = true;
    KeyContext list;
    list.focus = KeyFocus::VariableList;

    QTest::newRow("space") << int(Qt::Key_Space) << u" "_s << plain << evaluate << -1 << true;
    QTest::newRow("enter") << int(Qt::Key_Return) << u"\r"_s << plain << evaluate << -1 << true;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << u"\r"_s << plain << evaluate << -1 << true;
    QTest::newRow("enter, multi-line") << int(Qt::Key_Return) << u"\r"_s << multi << none << -1 << false;
    QTest::newRow("enter after a line break") << int(Qt::Key_Return) << u"\r"_s << multi_end << none << -1 << true;
    QTest::newRow("enter on the list") << int(Qt::Key_Return) << u"\r"_s << list << none << -1 << false;
    QTest::newRow("digit, box focused") << int(Qt::Key_7) << u"7"_s << plain << none << -1 << false;
    QTest::newRow("digit after keypad") << int(Qt::Key_7) << u"7"_s << routed << keypad << 4 << true;
    QTest::newRow("operator") << int(Qt::Key_Asterisk) << u"*"_s << plain << keypad << 2 << true;
    QTest::newRow("point") << int(Qt::Key_Period) << u"."_s << plain << keypad << 14 << true;
    QTest::newRow("comma") << int(Qt::Key_Comma) << u","_s << routed << none << -1 << false;
    QTest::newRow("letter") << int(Qt::Key_A) << u"a"_s << routed << none << -1 << false;
    QTest::newRow("immediate digit") << int(Qt::Key_0) << u"0"_s << immediate << keypad << 13 << true;
    QTest::newRow("immediate =") << int(Qt::Key_Equal) << u"="_s << immediate << evaluate << -1 << true;
    QTest::newRow("immediate enter") << int(Qt::Key_Return) << u"\r"_s << immediate << evaluate << -1 << true;
    QTest::newRow("immediate backspace") << int(Qt::Key_Backspace) << u"\b"_s << immediate
                                         << int(KeyAction::ImmediateBackspace) << -1 << true;
    QTest::newRow("= is typed") << int(Qt::Key_Equal) << u"="_s << plain << none << -1 << false;
    const int redirect = int(KeyAction::TypeIntoInput);
    QTest::newRow("letter on a button") << int(Qt::Key_W) << u"w"_s << button << redirect << -1 << true;
    QTest::newRow("digit on a button") << int(Qt::Key_7) << u"7"_s << button << redirect << -1 << true;
    QTest::newRow("letter on the list") << int(Qt::Key_W) << u"w"_s << list << redirect << -1 << true;
    QTest::newRow("digit, line-number box") << int(Qt::Key_7) << u"7"_s << line_box << none << -1 << false;
    QTest::newRow("tab on a button") << int(Qt::Key_Tab) << u"\t"_s << button << none << -1 << false;
    QTest::newRow("down") << int(Qt::Key_Down) << u""_s << list << int(KeyAction::StepDown) << -1 << false;
    QTest::newRow("up, multi-line middle") << int(Qt::Key_Up) << u""_s << multi << none << -1 << false;
    QTest::newRow("up, multi-line top") << int(Qt::Key_Up) << u""_s << top << int(KeyAction::StepUp) << -1 << false;
}

void InputTest::RouteKeyDecides()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, action);
    QFETCH(int, keypad);
    QFETCH(bool, consumed);
    QFETCH(KeyContext, context);
    const KeyRoute route = RouteKey(key, text, false, context);
    QCOMPARE(int(route.action), action);
    QCOMPARE(route.keypad_index, keypad);
    QCOMPARE(route.consumed, consumed);
}

void InputTest::SpaceAndEnterEvaluate()
{
    WindowFixture f;
    f.Input().setFocus();
    f.Type(u"1"_s);
    f.Type(u"+2 "_s);
    QCOMPARE(f.Input().toPlainText(), u"1+2"_s);
    QCOMPARE(f.Result(), u"3.000000000000"_s);
    f.Type(u"*2\r"_s);
    QCOMPARE(f.Input().toPlainText(), u"1+2*2"_s);
    QCOMPARE(f.Result(), u"5.000000000000"_s);
    QVERIFY(f.window.isVisible());
}

void InputTest::MultiLineEnter()
{
    WindowFixture f;
    f.Click(id::kMultiLine);
    f.Input().setFocus();
    f.Type(u"1\r"_s);
    QCOMPARE(f.Input().toPlainText(), u"1\n"_s);
    f.Type(u"\r"_s);  // no second empty line
    QCOMPARE(f.Input().toPlainText(), u"1\n"_s);
    QCOMPARE(f.Result(), QString());
}

void InputTest::ArrowsReachTheHistory()
{
    WindowFixture f;
    QSignalSpy up(&f.window, &CalculatorDialog::StepUpRequested);
    QSignalSpy down(&f.window, &CalculatorDialog::StepDownRequested);
    f.Variables().setFocus();
    f.PressKey(Qt::Key_Down);
    f.PressKey(Qt::Key_Up);
    QCOMPARE(down.count(), 1);
    QCOMPARE(up.count(), 1);

    f.Click(id::kMultiLine);
    f.SetInput(u"a\nb\nc"_s, 2);  // the middle line
    f.PressKey(Qt::Key_Up);
    QCOMPARE(up.count(), 1);
    f.PressKey(Qt::Key_Up);  // now on the first line
    QCOMPARE(up.count(), 2);
    f.SetInput(u"a\nb\nc"_s);
    f.PressKey(Qt::Key_Down);
    QCOMPARE(down.count(), 2);
}

void InputTest::CommaIsTypedNormally()
{
    WindowFixture f;
    f.Input().setFocus();
    f.Type(u"log(2,8)"_s);
    QCOMPARE(f.Input().toPlainText(), u"log(2,8)"_s);
}

// While another window is active the box cannot take the focus, and in
// immediate mode it is read-only and passes the key back to the window: the
// key must not travel between the two for ever.
void InputTest::KeyForAnInactiveWindowIsTypedOnceAtMost()
{
    WindowFixture f;
    f.Click(id::kImmediate);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    f.window.setFocus();
    QTest::keyClick(&f.window, Qt::Key_A);
    QCOMPARE(f.Input().toPlainText(), QString());
}

// A pasted megabyte would keep the window busy laying it out.
void InputTest::BoxRefusesTextBeyondItsLength()
{
    const qsizetype max = kProcessFileLineMax;
    const QString refused = u"计算式太长,书写框中最多只能有2998个字节"_s;
    WindowFixture f;
    f.SetInput(QString(max - 3, u'1') + u'\n');  // a line break takes two bytes
    f.Input().setFocus();
    QApplication::clipboard()->setText(QString(2 * 1024 * 1024, u'1'));
    f.Input().paste();
    QCOMPARE(f.port.messages, QStringList{refused});
    f.Click(id::kPi);  // two bytes
    QCOMPARE(f.port.messages.size(), 2);
    f.Type(u"1"_s);    // the last byte
    f.Type(u"2+"_s);  // typed, the keypad
    f.Click(id::kMultiLine);
    f.Type(u"\r"_s);  // a line break
    QCOMPARE(f.Input().toPlainText(), QString(max - 3, u'1') + u"\n1"_s);
    QCOMPARE(f.port.messages, QStringList(5, refused));
    QCOMPARE(f.HistoryLine(0).size(), max - 1);  // as the box shows it, LF for CR LF
    f.Input().selectAll();
    f.Input().paste();  // in place of the selection: too long still
    QCOMPARE(f.port.messages.size(), 6);
    QApplication::clipboard()->setText(u"x=2"_s);
    f.Input().paste();
    QCOMPARE(f.Input().toPlainText(), u"x=2"_s);
}

}  // namespace orvik

QTEST_MAIN(orvik::InputTest)
#include "input_test.moc"
