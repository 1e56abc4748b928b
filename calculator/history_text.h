#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace orvik {

// History lines are GBK with CR LF line breaks; the input box holds Unicode
// with LF. nullopt when the box holds a character GBK cannot represent.
std::optional<std::string> ToHistoryText(const QString& box_text);
QString FromHistoryText(std::string_view line);

}  // namespace orvik
