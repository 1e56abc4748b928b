#include "calculator/key_routing.h"

#include <Qt>

#include "calculator/keypad.h"

namespace orvik {
namespace {

constexpr KeyRoute kPassOn{};

KeyRoute Consume(KeyAction action)
{
    return {action, -1, true};
}

// Up and Down reach the history from every control, except inside a
// multi-line input box, where they first move the caret line by line.
KeyRoute RouteArrow(int key, const KeyContext& context)
{
    const bool up = key == Qt::Key_Up;
    if (context.focus == KeyFocus::InputBox && context.multi_line) {
        const bool at_edge = up ? context.caret_on_first_line : context.caret_on_last_line;
        if (!at_edge)
            return kPassOn;
    }
    return {up ? KeyAction::StepUp : KeyAction::StepDown, -1, false};
}

KeyRoute RouteEnter(const KeyContext& context)
{
    if (!context.multi_line)
        return Consume(KeyAction::Evaluate);
    // No second empty line at the end of the text.
    if (context.input_ends_with_line_break)
        return Consume(KeyAction::None);
    return kPassOn;
}

KeyRoute RouteToKeypad(QChar c, const KeyContext& context)
{
    const bool digit = c >= u'0' && c <= u'9';
    if (digit && !context.keypad_routing && !context.immediate)
        return kPassOn;
    const int index = KeypadIndexOfKey(c);
    if (index < 0)
        return kPassOn;
    return {KeyAction::Keypad, index, true};
}

// A typed character that the focused control cannot take would be lost.
bool TakesNoText(KeyFocus focus)
{
    return focus == KeyFocus::VariableList || focus == KeyFocus::Other;
}

}  // namespace

bool IsTypedText(const QString& text)
{
    return !text.isEmpty() && text[0].category() != QChar::Other_Control;
}

KeyRoute RouteKey(int key, const QString& text, bool command_modifier, const KeyContext& context)
{
    if (command_modifier)
        return kPassOn;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    // Enter on the variable list edits the chosen variable; the list does that.
    if (enter && context.focus == KeyFocus::VariableList)
        return kPassOn;
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        return RouteArrow(key, context);

    if (context.immediate) {
        if (enter || key == Qt::Key_Space || text == u"=")
            return Consume(KeyAction::Evaluate);
        if (key == Qt::Key_Backspace)
            return Consume(KeyAction::ImmediateBackspace);
    } else {
        if (key == Qt::Key_Space)
            return Consume(KeyAction::Evaluate);
        if (enter)
            return RouteEnter(context);
    }
    if (!IsTypedText(text))
        return kPassOn;
    if (text.size() == 1) {
        const KeyRoute keypad = RouteToKeypad(text[0], context);
        if (keypad.consumed)
            return keypad;
    }
    if (TakesNoText(context.focus))
        return Consume(KeyAction::TypeIntoInput);
    return kPassOn;
}

}  // namespace orvik
