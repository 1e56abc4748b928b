#pragma once

#include <QString>

namespace orvik {

// Where the keyboard focus rests when a key arrives. Other controls take no
// typed text (buttons, check boxes, the drop-down lists, the result box).
enum class KeyFocus { InputBox, LineNumberBox, VariableList, Other };

// What the window knows when a key arrives.
struct KeyContext {
    bool immediate = false;
    bool multi_line = false;
    bool keypad_routing = false;  // typed digits go to the keypad
    KeyFocus focus = KeyFocus::Other;
    bool input_ends_with_line_break = false;  // ... and the selection starts at its end
    bool caret_on_first_line = false;
    bool caret_on_last_line = false;
};

enum class KeyAction {
    None,
    Evaluate,
    ImmediateBackspace,
    Keypad,    // the keypad button `keypad_index`
    StepUp,    // history: previous line
    StepDown,  // history: store this line, go to the next
    TypeIntoInput,  // the typed character goes to the input box, and the focus with it
};

struct KeyRoute {
    KeyAction action = KeyAction::None;
    int keypad_index = -1;
    bool consumed = false;  // the focused control never sees the key
};

// Whether a key's text is a character that a text box takes (no control
// character such as Backspace, Tab or Escape).
bool IsTypedText(const QString& text);

// Decides what a key press does before the focused control gets it.
// `key` is the Qt key code, `text` the typed character (empty for keys that
// type nothing); keys with Ctrl, Alt or Meta are never routed.
KeyRoute RouteKey(int key, const QString& text, bool command_modifier, const KeyContext& context);

}  // namespace orvik
