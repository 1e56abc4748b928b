#include "platform/gbk_qt.h"

#include "platform/gbk.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

// In one pass over the bytes: QString::replace takes time quadratic in the
// number of lines. Line end bytes are never part of a GBK character.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0;;) {
        const std::size_t hit = text.find(from, pos);
        out.append(text.substr(pos, hit - pos));
        if (hit == std::string_view::npos)
            return out;
        out.append(to);
        pos = hit + from.size();
    }
}

}  // namespace

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
    return FromGbk(ReplaceAll(gbk, "\r\n", "\n"));
}

std::optional<std::string> ToGbkLines(const QString& text, std::string_view line_end)
{
    std::optional<std::string> gbk = ToGbk(text);
    if (gbk && line_end != "\n")
        *gbk = ReplaceAll(*gbk, "\n", line_end);
    return gbk;
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
