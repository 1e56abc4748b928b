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

// The message for a text that ToGbk refused; it names the characters.
QString NotGbkMessage(const QString& text);

}  // namespace orvik
