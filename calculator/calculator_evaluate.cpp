// The evaluate command, the result display and immediate mode.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "calculator/calculator_dialog.h"
#include "calculator/input_box.h"
#include "calculator/keypad.h"
#include "engine/number_format.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

QString Fixed2(double value)
{
    return QString::fromStdString(FormatFixed(value, 2));
}

}  // namespace

std::optional<double> CalculatorDialog::EvaluateInput()
{
    const QString text = InputText();
    if (text.isEmpty())
        return std::nullopt;
    const std::optional<double> value = Evaluate(text);
    if (!value)
        return std::nullopt;
    last_result_ = *value;
    QString result = QString::fromStdString(FormatResult(*value, CurrentRadix(), byte_length_));
    if (ImmediateMode())
        result = Fixed2(*value);
    else
        FocusInput();
    ShowResultText(result);
    RefreshVariableList();
    return value;
}

// Decimal results go with an angle unit, integer ones with a byte length.
void CalculatorDialog::ChooseRadix(int id)
{
    const bool decimal = id == id::kRadixDecimal;
    for (QAbstractButton* button : controls_.angle->buttons())
        button->setVisible(decimal);
    controls_.byte_length_label->setVisible(!decimal);
    for (QAbstractButton* button : controls_.byte_length->buttons())
        button->setVisible(!decimal);
    EvaluateInput();
}

void CalculatorDialog::ChooseByteLength(int id)
{
    constexpr int kLengths[] = {1, 2, 4, 8};
    byte_length_ = kLengths[id - id::kBytes1];
    EvaluateInput();
}

void CalculatorDialog::SwitchImmediateMode()
{
    FocusInput();
    const bool on = ImmediateMode();
    controls_.input->setReadOnly(on);
    if (!on)
        return;
    keypad_routing_ = true;
    port_.ShowMessage(
        u"注意,目前此功能只能按顺序计算,没有优先级别\n"
        u"如2+3*5,先计算2+3=5,然后5*5,结果为25,而不是17\t\t\t\n"
        u"用于公式计算时请不要选择它"_s);
}

void CalculatorDialog::InsertKeypadText(int index)
{
    if (ImmediateMode()) {
        ImmediateKeypad(index);
        return;
    }
    const QString text = QString::fromUtf16(KeypadAt(index).text);
    QTextCursor cursor = controls_.input->textCursor();
    if (!controls_.input->Fits(cursor, text))
        return;
    keypad_routing_ = true;
    const int start = cursor.selectionStart();
    cursor.insertText(text);
    // Typing goes on where the text went, not on the button that was
    // clicked or that held the focus when a value prompt opened.
    FocusInput();
    cursor.setPosition(start + CaretOffsetAfter(text));
    controls_.input->setTextCursor(cursor);
    controls_.input->ensureCursorVisible();
    ShowResultText({});
}

// Immediate mode calculates from left to right, without priorities, and
// shows its texts rather than editing the input box.
void CalculatorDialog::ImmediateKeypad(int index)
{
    if (index == kOpenParenthesisIndex || index == kCloseParenthesisIndex)
        return;
    if (index < kFirstDigitIndex || index == kPowerIndex) {
        ImmediateOperator(index);
    } else if (index >= kFirstFunctionIndex && index <= kLastFunctionIndex) {
        ImmediateFunction(index);
    } else {
        const QString text = InputText() + QString::fromUtf16(KeypadAt(index).text);
        if (!ImmediateTextFits(text))
            return;
        ShowInputText(text);
        ShowResultText({});
    }
}

// Immediate mode builds each text whole; the box's bound holds for it too.
bool CalculatorDialog::ImmediateTextFits(const QString& text)
{
    QTextCursor all(controls_.input->document());
    all.select(QTextCursor::Document);
    return controls_.input->Fits(all, text);
}

// The first operator only joins the text; every later one first reduces
// the text to its value.
void CalculatorDialog::ImmediateOperator(int index)
{
    QString text = InputText();
    if (operator_seen_) {
        const std::optional<double> value = Evaluate(text);
        if (!value)
            return;
        text = Fixed2(*value);
    }
    text += QString::fromUtf16(KeypadAt(index).text);
    if (!ImmediateTextFits(text))
        return;
    operator_seen_ = true;
    ShowInputText(text);
    ShowResultText(text);
}

void CalculatorDialog::ImmediateFunction(int index)
{
    QString call = QString::fromUtf16(KeypadAt(index).text);
    call.chop(1);  // the ")"
    call += InputText() + u')';
    if (!ImmediateTextFits(call))
        return;
    const std::optional<double> value = Evaluate(call);
    if (!value)
        return;
    ShowInputText(call);
    ShowResultText(Fixed2(*value));
}

void CalculatorDialog::ImmediateBackspace()
{
    QString text = InputText();
    // Whole characters: a Chinese character or a line break goes at once.
    const qsizetype length = text.size() >= 2 && text[text.size() - 1].isLowSurrogate() ? 2 : 1;
    text.chop(text.isEmpty() ? 0 : length);
    ShowResultText({});
    ReplaceInputText(text);
}

}  // namespace orvik
