// The calculation history: the mirror of the input box, the line steps, the
// jump, clearing and the worked example.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "calculator/calculator_dialog.h"
#include "calculator/input_box.h"
#include "engine/engine.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "platform/port_engine_host.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

void CalculatorDialog::ConnectHistory()
{
    auto button = [this](int id) { return FindControl<QAbstractButton>(*this, id); };
    connect(controls_.input, &QPlainTextEdit::textChanged, this, &CalculatorDialog::MirrorInput);
    connect(button(id::kStepDown), &QAbstractButton::clicked, this, &CalculatorDialog::StepDown);
    connect(button(id::kStepUp), &QAbstractButton::clicked, this, &CalculatorDialog::StepUp);
    connect(this, &CalculatorDialog::StepDownRequested, this, &CalculatorDialog::StepDown);
    connect(this, &CalculatorDialog::StepUpRequested, this, &CalculatorDialog::StepUp);
    connect(button(id::kJumpToLine), &QAbstractButton::clicked, this, &CalculatorDialog::JumpToLine);
    connect(button(id::kClearStatements), &QAbstractButton::clicked, this,
            &CalculatorDialog::ClearStatements);
    connect(button(id::kExamples), &QAbstractButton::clicked, this, &CalculatorDialog::InsertExamples);
    connect(button(id::kSave), &QAbstractButton::clicked, this, &CalculatorDialog::SaveProcessFileCommand);
    connect(button(id::kLoad), &QAbstractButton::clicked, this, &CalculatorDialog::ReadProcessFileCommand);
}

// Every edit lands in the current line at once; a result no longer belongs
// to the edited text. A character GBK cannot hold is refused when the line
// is stored by a step, with a message, not on every keystroke.
void CalculatorDialog::MirrorInput()
{
    evaluation_recorded_ = false;
    ShowResultText({});
    if (const std::optional<std::string> line = ToGbkLines(InputText()))
        history_.Mirror(*line);
}

std::optional<std::string> CalculatorDialog::ReadInputLine()
{
    return GbkLinesOrSay(port_, InputText());
}

// Leaving a line commits its assignments before the next line runs.
double CalculatorDialog::EvaluateLeftLine(const HistoryStep& step)
{
    std::string copy = *step.evaluate;
    const double value = engine_.EvaluateText(copy);
    RefreshVariableList();
    return value;
}

void CalculatorDialog::ShowLineNumber()
{
    controls_.line_number->setText(QString::number(history_.LineNumber()));
}

void CalculatorDialog::ShowArrowStates()
{
    FindControl<QWidget>(*this, id::kStepUp)->setEnabled(history_.UpEnabled());
    FindControl<QWidget>(*this, id::kStepDown)->setEnabled(history_.DownEnabled());
}

void CalculatorDialog::ShowGbkMessage(std::string_view gbk)
{
    port_.ShowMessage(FromGbk(gbk));
}

void CalculatorDialog::StepDown()
{
    const std::optional<std::string> line = ReadInputLine();
    if (!line)
        return;
    const Engine::Command command(engine_);  // the line left and the line reached
    const HistoryStep step = history_.StepDown(*line);
    if (!step.moved) {
        ShowGbkMessage(step.message);
        return;
    }
    const double value = EvaluateLeftLine(step);
    // ＝ on the same text has recorded this calculation already.
    if (!evaluation_recorded_)
        AddRecord(history_.LineNumber() - 1, *step.evaluate, value);
    ShowLineNumber();
    ShowInputText(FromGbkLines(history_.CurrentText()));
    ShowResultText(u"0"_s);
    EvaluateInput();
    FocusInput();
    ShowArrowStates();
}

void CalculatorDialog::StepUp()
{
    if (!history_.UpEnabled())
        return;
    const std::optional<std::string> line = ReadInputLine();
    if (!line)
        return;
    const Engine::Command command(engine_);
    const HistoryStep step = history_.StepUp(*line);
    EvaluateLeftLine(step);
    ShowArrowStates();
    ShowResultText(u"0"_s);
    ShowLineNumber();
    ShowInputText(FromGbkLines(history_.CurrentText()));
    EvaluateInput();
}

void CalculatorDialog::JumpToLine()
{
    const HistoryStep step = history_.JumpToLine(controls_.line_number->text().toStdString());
    if (!step.moved) {
        ShowGbkMessage(step.message);
        controls_.line_number->setFocus();
        controls_.line_number->selectAll();
        return;
    }
    // An edit: the mirror stores the line back as it is.
    ReplaceInputText(FromGbkLines(history_.CurrentText()));
    EvaluateInput();
    ShowArrowStates();
}

// Variables stay; 清除变量 clears them.
void CalculatorDialog::ClearStatements()
{
    history_.ClearStatements();
    ShowLineNumber();
    ShowInputText({});
    ShowResultText(u"0"_s);
    ShowArrowStates();
}

// Inserted at the caret: on a line that holds text the example joins it, and
// the mirror stores the box's whole text.
void CalculatorDialog::InsertExamples()
{
    const std::string example = history_.InsertExamples();
    ShowLineNumber();
    InsertAtCaret(FromGbkLines(example));
}

}  // namespace orvik
