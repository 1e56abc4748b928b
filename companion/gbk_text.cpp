#include "companion/gbk_text.h"

#include <QList>

#include "platform/gbk.h"

namespace orvik {
namespace {

QString WithCrLf(const QString& text)
{
    QString crlf = text;
    return crlf.replace(u'\n', QStringLiteral("\r\n"));
}

}  // namespace

QString GbkToText(std::string_view gbk)
{
    return QString::fromStdString(GbkToUtf8(gbk));
}

std::optional<std::string> TextToGbk(const QString& text)
{
    return Utf8ToGbk(WithCrLf(text).toStdString());
}

std::string TextToGbkLossy(const QString& text)
{
    if (std::optional<std::string> exact = TextToGbk(text))
        return *exact;
    std::string gbk;
    for (const char32_t code : WithCrLf(text).toUcs4())
        gbk += Utf8ToGbk(QString::fromUcs4(&code, 1).toStdString()).value_or("?");
    return gbk;
}

}  // namespace orvik
