#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace orvik {

// The companion's text is GBK on disk and on paper, Unicode in the widgets.

// Bytes that are not valid GBK show as U+FFFD, so any file can be shown.
QString GbkToText(std::string_view gbk);

// Line ends become CR LF. nullopt when the text holds a character GBK lacks.
std::optional<std::string> TextToGbk(const QString& text);

// As TextToGbk, with "?" for each character GBK lacks: for printing, where
// something must stand in its place.
std::string TextToGbkLossy(const QString& text);

}  // namespace orvik
