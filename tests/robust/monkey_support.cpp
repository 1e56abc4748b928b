#include "monkey_support.h"

#include <QTest>

#include "fake_user_port.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

const QString kNames[] = {u"x"_s, u"y"_s, u"r"_s, u"a1"_s, u"半径"_s, u"π"_s, QString(29, u'n'),
                          QString(30, u'm'), u"if"_s, u"else"_s, u"fcys"_s};
const QString kPieces[] = {u"+"_s, u"-"_s, u"*"_s, u"/"_s, u"^"_s, u"%"_s, u"("_s, u")"_s, u"="_s,
                           u"+="_s, u"++"_s, u"--"_s, u"&&"_s, u"||"_s, u">"_s, u"<="_s, u"=="_s,
                           u"!"_s, u";"_s, u"\n"_s, u","_s, u"//"_s, u"sin("_s, u"ainv("_s,
                           u"_P("_s, u"and("_s, u"sqrt("_s, u"°"_s, u"′"_s, u"″"_s, u"'"_s,
                           u"0x1F"_s, u"0b101"_s, u"0o17"_s, u"1e308"_s, u".5"_s, u" "_s, u"\t"_s,
                           u"\U0001F600"_s, u"中"_s};

// Typed into the value prompt: values for the engine, names for the library.
const QString kTypedAnswers[] = {u"3"_s, u"-2.5e3"_s, u"abc"_s, QString(), u"1+1"_s, u"\U0001F600"_s,
                                 u"新公式"_s, u"a/b"_s, u".."_s, u" 圆轴扭转 "_s, u"齿轮"_s,
                                 QString(100, u'名'), u"v1"_s};

}  // namespace

void PrepareRandomAnswers(FakeUserPort& port, Random& random, const QString& folder)
{
    port.messages.clear();
    port.questions.clear();
    port.prompts.clear();
    port.dialogs.clear();
    port.file_choices.clear();
    port.answers.clear();
    port.three_way_answers.clear();
    port.prompt_answers.clear();
    port.chosen_files.clear();
    const QString files[] = {QString(), folder + u"/history.vek"_s, folder + u"/missing.vek"_s, folder,
                             folder + u"/no/such/folder/x.vek"_s};
    const std::optional<bool> three_way[] = {true, false, std::nullopt};
    for (int i = 0; i < 3; ++i) {
        port.answers << random.OneIn(2);
        port.three_way_answers << random.Pick(three_way);
        port.prompt_answers << (random.OneIn(4) ? std::nullopt : std::optional(random.Pick(kTypedAnswers)));
        port.chosen_files << random.Pick(files);
    }
}

QString RandomStatement(Random& random)
{
    QString text;
    const int pieces = 1 + random.Below(8);
    for (int i = 0; i < pieces; ++i) {
        switch (random.Below(5)) {
        case 0:
            text += random.Pick(kNames);
            break;
        case 1:
        case 2:
            text += u'v' + QString::number(random.Below(600));  // many names: a full table
            break;
        case 3:
            text += QString::number(random.Below(1000) / (random.OneIn(3) ? 7.0 : 1.0));
            break;
        default:
            text += random.Pick(kPieces);
        }
    }
    return text;
}

void TypeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            QTest::keyClick(widget, Qt::Key_Return);
            continue;
        }
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

}  // namespace orvik
