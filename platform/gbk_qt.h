#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace orvik {

// Widgets hold Unicode, the engine and every file GBK bytes.
QString FromGbk(std::string_view gbk);

// nullopt when `text` holds a character that GBK cannot represent.
std::optional<std::string> ToGbk(const QString& text);

// Stored texts break lines with CR LF (or, where a file had them, another
// line end), widgets with LF.
QString FromGbkLines(std::string_view gbk);
std::optional<std::string> ToGbkLines(const QString& text, std::string_view line_end = "\r\n");

// The bytes of ToGbkLines(text), counted without converting: one for an
// ASCII character, two for a line break and for every other character (a
// character GBK lacks is refused when the text is converted).
qsizetype GbkLinesLength(const QString& text);

// The message for a text that ToGbk refused; it names the characters.
QString NotGbkMessage(const QString& text);

}  // namespace orvik
