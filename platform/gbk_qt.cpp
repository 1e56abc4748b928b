#include "platform/gbk_qt.h"

#include "platform/gbk.h"

namespace orvik {

using namespace Qt::StringLiterals;

QString FromGbk(std::string_view gbk)
{
    return QString::fromStdString(GbkToUtf8(gbk));
}

std::optional<std::string> ToGbk(const QString& text)
{
    return Utf8ToGbk(text.toStdString());
}

QString FromGbkLines(std::string_view gbk)
{
    return FromGbk(gbk).replace(u"\r\n"_s, u"\n"_s);
}

std::optional<std::string> ToGbkLines(const QString& text)
{
    QString crlf = text;
    return ToGbk(crlf.replace(u'\n', u"\r\n"_s));
}

qsizetype GbkLinesLength(const QString& text)
{
    qsizetype bytes = 0;
    for (const QChar c : text)
        bytes += c.unicode() < 0x80 && c != u'\n' ? 1 : 2;
    return bytes;
}

QString NotGbkMessage(const QString& text)
{
    QString refused;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!ToGbk(character) && !refused.contains(character))
            refused += character;
        i += length;
    }
    return u"文字中的字符“%1”不能用GBK表示，请删去或改写它"_s.arg(refused);
}

}  // namespace orvik
