#include "calculator/keypad.h"

#include "platform/gbk_qt.h"
#include "resources/control_ids.h"

namespace orvik {
namespace {

constexpr KeypadEntry kKeypad[kKeypadSize] = {
    {id::kPlus, u"+", u'+'},       {id::kMinus, u"-", u'-'},
    {id::kTimes, u"*", u'*'},      {id::kDivide, u"/", u'/'},
    {id::kDigit7, u"7", u'7'},     {id::kDigit8, u"8", u'8'},
    {id::kDigit9, u"9", u'9'},     {id::kDigit4, u"4", u'4'},
    {id::kDigit5, u"5", u'5'},     {id::kDigit6, u"6", u'6'},
    {id::kDigit1, u"1", u'1'},     {id::kDigit2, u"2", u'2'},
    {id::kDigit3, u"3", u'3'},     {id::kDigit0, u"0", u'0'},
    {id::kPoint, u".", u'.'},      {id::kPower, u"^", 0},
    {id::kOpenParenthesis, u"(", 0}, {id::kCloseParenthesis, u")", 0},
    {id::kSin, u"sin()", 0},       {id::kCos, u"cos()", 0},
    {id::kTan, u"tan()", 0},       {id::kInv, u"inv()", 0},
    {id::kAsin, u"asin()", 0},     {id::kAcos, u"acos()", 0},
    {id::kAtan, u"atan()", 0},     {id::kAinv, u"ainv()", 0},
    {id::kAbs, u"abs()", 0},       {id::kInt, u"int()", 0},
    {id::kLog, u"log()", 0},       {id::kLg, u"lg()", 0},
    {id::kLn, u"ln()", 0},         {id::kExp, u"exp()", 0},
    {id::kPi, u"π", 0},            {id::kAssign, u"=", 0},
};

}  // namespace

const KeypadEntry& KeypadAt(int index)
{
    return kKeypad[index];
}

int KeypadIndexOfButton(int id)
{
    for (int i = 0; i < kKeypadSize; ++i)
        if (kKeypad[i].id == id)
            return i;
    return -1;
}

int KeypadIndexOfKey(QChar key)
{
    for (int i = 0; i < kKeypadSize; ++i)
        if (kKeypad[i].key != 0 && kKeypad[i].key == key.unicode())
            return i;
    return -1;
}

QString KeypadCaption(int index)
{
    QString caption = QString::fromUtf16(kKeypad[index].text);
    if (caption.endsWith(u"()"))
        caption.chop(2);
    return caption;
}

int CaretOffsetAfter(const QString& inserted)
{
    // Counted in stored bytes: "π" (2 bytes) stays short, "lg()" does not.
    const auto gbk = ToGbk(inserted);
    const qsizetype bytes = gbk ? qsizetype(gbk->size()) : inserted.size();
    return int(bytes < 4 ? inserted.size() : inserted.size() - 1);
}

}  // namespace orvik
