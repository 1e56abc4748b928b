#include "calculator/history_text.h"

#include "platform/gbk_qt.h"

namespace orvik {

using namespace Qt::StringLiterals;

std::optional<std::string> ToHistoryText(const QString& box_text)
{
    QString text = box_text;
    return ToGbk(text.replace(u'\n', u"\r\n"_s));
}

QString FromHistoryText(std::string_view line)
{
    return FromGbk(line).replace(u"\r\n"_s, u"\n"_s);
}

}  // namespace orvik
