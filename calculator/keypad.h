#pragma once

#include <QChar>
#include <QString>

namespace orvik {

// One keypad button: what it inserts and the typed character that reaches it.
struct KeypadEntry {
    int id;
    const char16_t* text;
    char16_t key;  // 0: no key reaches it
};

inline constexpr int kKeypadSize = 34;
const KeypadEntry& KeypadAt(int index);

// Index groups that immediate mode treats alike.
inline constexpr int kFirstDigitIndex = 4;
inline constexpr int kLastDigitIndex = 14;  // the point
inline constexpr int kPowerIndex = 15;
inline constexpr int kOpenParenthesisIndex = 16;
inline constexpr int kCloseParenthesisIndex = 17;
inline constexpr int kFirstFunctionIndex = 18;
inline constexpr int kLastFunctionIndex = 31;
inline constexpr int kPiIndex = 32;
inline constexpr int kAssignIndex = 33;

// The index of button `id`, or of the button a typed character reaches; -1
// when there is none.
int KeypadIndexOfButton(int id);
int KeypadIndexOfKey(QChar key);

// The button caption: the inserted text without a function's "()".
QString KeypadCaption(int index);

// Where the caret goes after `inserted` was put in at position 0: behind a
// short text, between the parentheses of a function name.
int CaretOffsetAfter(const QString& inserted);

}  // namespace orvik
