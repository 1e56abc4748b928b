// Input assistance: lists, marks, editing keys and the routing of typed keys.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "calculator/calculator_dialog.h"
#include "calculator/choice_list.h"
#include "calculator/input_box.h"
#include "calculator/name_pick_list.h"

namespace orvik {

void CalculatorDialog::InsertFromList(ChoiceList& list, bool& cancelled, bool caret_inside)
{
    if (list.currentIndex() < 0)
        return;
    // A choice confirmed right after the list was closed without one counts
    // as no choice.
    const QString text = cancelled ? QString() : list.currentText();
    cancelled = false;
    QTextCursor cursor = controls_.input->textCursor();
    if (!controls_.input->Fits(cursor, text))
        return;
    const int start = cursor.selectionStart();
    if (!text.isEmpty())
        cursor.insertText(text);
    FocusInput();
    const int offset = text.isEmpty() ? 0 : int(caret_inside ? text.size() - 1 : text.size());
    cursor.setPosition(start + offset);
    controls_.input->setTextCursor(cursor);
    controls_.input->ensureCursorVisible();
}

void CalculatorDialog::InsertMark(const QString& mark)
{
    InsertAtCaret(mark);
    keypad_routing_ = true;
    FocusInput();
}

void CalculatorDialog::Backspace()
{
    FocusInput();
    QTextCursor cursor = controls_.input->textCursor();
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    else
        cursor.deletePreviousChar();
    controls_.input->setTextCursor(cursor);
}

// Empties the box without editing it: the history line keeps its text.
void CalculatorDialog::ClearInput()
{
    ShowInputText({});
    FocusInput();
}

void CalculatorDialog::SwitchMultiLine()
{
    FocusInput();
}

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn
        && (watched == controls_.input || watched == controls_.line_number))
        keypad_routing_ = ImmediateMode();
    if (event->type() != QEvent::KeyPress)
        return false;
    // A key is routed once, where it arrives: at this window's focus.
    QWidget* focus = QApplication::focusWidget();
    const bool arrives_here = focus ? watched == focus && focus->window() == this
                                    : watched == this;
    return arrives_here && RouteKeyEvent(static_cast<QKeyEvent&>(*event));
}

bool CalculatorDialog::RouteKeyEvent(QKeyEvent& event)
{
    const bool command_modifier =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const KeyRoute route = RouteKey(event.key(), event.text(), command_modifier, CurrentKeyContext());
    RunKeyRoute(route, event);
    return route.consumed;
}

KeyContext CalculatorDialog::CurrentKeyContext() const
{
    const QWidget* focus = QApplication::focusWidget();
    const QPlainTextEdit& input = *controls_.input;
    const QString text = input.toPlainText();
    const QTextCursor cursor = input.textCursor();
    QTextCursor probe = cursor;
    KeyContext context;
    context.immediate = ImmediateMode();
    context.multi_line = controls_.multi_line->isChecked();
    context.keypad_routing = keypad_routing_;
    context.focus = focus == &input                  ? KeyFocus::InputBox
                  : focus == controls_.line_number ? KeyFocus::LineNumberBox
                  : focus == controls_.variables   ? KeyFocus::VariableList
                                                   : KeyFocus::Other;
    context.input_ends_with_line_break =
        text.endsWith(u'\n') && cursor.selectionStart() == text.size();
    context.caret_on_first_line = !probe.movePosition(QTextCursor::Up);
    probe = cursor;
    context.caret_on_last_line = !probe.movePosition(QTextCursor::Down);
    return context;
}

void CalculatorDialog::RunKeyRoute(const KeyRoute& route, const QKeyEvent& event)
{
    switch (route.action) {
    case KeyAction::None:
        break;
    case KeyAction::Evaluate:
        EvaluateCommand();
        break;
    case KeyAction::ImmediateBackspace:
        ImmediateBackspace();
        break;
    case KeyAction::Keypad:
        InsertKeypadText(route.keypad_index);
        break;
    case KeyAction::StepUp:
        emit StepUpRequested();
        break;
    case KeyAction::StepDown:
        emit StepDownRequested();
        break;
    case KeyAction::TypeIntoInput:
        TypeIntoInput(event);
        break;
    }
}

// Typed as if the box had had the focus: routed again, then typed there.
// Once only: while the window is not active the box cannot take the focus,
// and the key would come back here without end.
void CalculatorDialog::TypeIntoInput(const QKeyEvent& event)
{
    if (typing_into_input_)
        return;
    const QScopedValueRollback once(typing_into_input_, true);
    FocusInput();
    QKeyEvent typed(event.type(), event.key(), event.modifiers(), event.text());
    QCoreApplication::sendEvent(controls_.input, &typed);
}

}  // namespace orvik
