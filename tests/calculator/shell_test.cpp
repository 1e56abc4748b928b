// The window's shell: layout, help, About, messages, exit question; and the
// platform pieces it uses.
#include <fstream>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QFontInfo>
#include <QGlyphRun>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "calculator/help_text.h"
#include "platform/input_value_dialog.h"
#include "platform/platform_calculator.h"
#include "window_fixture.h"

namespace orvik {

using namespace Qt::StringLiterals;

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void EveryControlOnce();
    void NotOfferedRowLiesBelowTheWindow();
    void TooltipsAndCaption();
    void ExitAsksFirst();
    void EnterReachingTheWindowDoesNothing();
    void MessagesOfCommands_data();
    void MessagesOfCommands();
    void AboutFromButtonAndMenus();
    void FormulaDialogFromButtonAndMenu();
    void FormulaFileArgumentOpensInTheFormulaDialog();
    void HelpShowsTheBody_data();
    void HelpShowsTheBody();
    void HelpFileMissing();
    void HelpLinesInPieces();
    void ShippedHelpFitsItsBox();
    void FindsTheDesktopCalculator();
    void InputValueDialogLayout();

private:
    static void VerifyFixedPitchCjk(const QWidget& box);
    void WriteHelpFile(const QString& directory, const QByteArray& gbk);

    QTemporaryDir current_;
    QTemporaryDir home_;
    QString old_current_;
};

void ShellTest::init()
{
    old_current_ = QDir::currentPath();
    QDir::setCurrent(current_.path());
    qputenv("ORVIK_HOME", home_.path().toLocal8Bit());
}

void ShellTest::cleanup()
{
    QDir::setCurrent(old_current_);
    QFile::remove(current_.filePath(u"计算器.txt"_s));
    QFile::remove(home_.filePath(u"计算器.txt"_s));
}

void ShellTest::WriteHelpFile(const QString& directory, const QByteArray& gbk)
{
    QFile file(QDir(directory).filePath(u"计算器.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gbk);
}

void ShellTest::EveryControlOnce()
{
    WindowFixture f;
    const int ids[] = {
        1, 2, 1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
        1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025, 1026,
        1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037, 1038, 1039, 1040,
        1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054,
        1055, 1056, 1057, 1058, 1059, 1060, 1062, 1063, 1064, 1065, 1066, 1067, 1068, 1069,
        1070, 1071, 1072, 1073, 1076, 1077, 1078, 1079, 1080, 1088, 1093};
    for (const int id : ids)
        QVERIFY2(f.window.findChildren<QWidget*>(QString::number(id)).size() == 1,
                 qPrintable(QString::number(id)));
    for (const int id : {1088, 32776, 1049, 16})
        QVERIFY(f.window.findChild<QAction*>(QString::number(id)));
    QVERIFY(!f.Control<QWidget>(id::kOk)->isVisible());
    QVERIFY(!f.Control<QWidget>(id::kCancel)->isVisible());
    QVERIFY(!f.Control<QWidget>(id::kStepUp)->isEnabled());
    QVERIFY(f.Control<QWidget>(id::kStepDown)->isEnabled());
    QCOMPARE(f.Control<QLineEdit>(id::kLineNumber)->text(), u"1"_s);
}

void ShellTest::NotOfferedRowLiesBelowTheWindow()
{
    WindowFixture f;
    for (const int id : {1054, 1055, 1058, 1059, 1003}) {
        const QWidget* button = f.Control<QWidget>(id);
        QVERIFY(button->mapTo(&f.window, QPoint(0, 0)).y() >= f.window.height());
    }
    const QWidget* list = &f.Variables();
    QVERIFY(list->mapTo(&f.window, QPoint(0, list->height())).y() <= f.window.height());
}

void ShellTest::TooltipsAndCaption()
{
    WindowFixture f;
    QCOMPARE(f.window.windowTitle(), u"Ombrix V1.0 --Telvar5.0"_s);
    QCOMPARE(f.Input().toolTip(), u"计算式书写框,书写完后按回车或点击\"=\"或按\"=\""_s);
    QCOMPARE(f.Control<QWidget>(id::kEvaluate)->toolTip(), u"对框中内容进行计算,快捷键:空白键"_s);
    QCOMPARE(f.Variables().toolTip(), u"双击变量修改变量值,左键单击添加到公式编辑框"_s);
    int with_tip = 0;
    for (const QWidget* control : f.window.findChildren<QWidget*>())
        with_tip += !control->toolTip().isEmpty();
    QCOMPARE(with_tip, 29);
}

void ShellTest::ExitAsksFirst()
{
    WindowFixture f;
    f.port.answers << false << false << true;
    QTest::keyClick(&f.window, Qt::Key_Escape);
    QVERIFY(f.window.isVisible());
    f.window.close();
    QVERIFY(f.window.isVisible());
    QTest::keyClick(&f.window, Qt::Key_Escape);
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.port.questions, QStringList(3, u"要退出吗?"_s));
}

void ShellTest::EnterReachingTheWindowDoesNothing()
{
    WindowFixture f;
    f.Click(id::kOk);
    f.Click(id::kMultiLine);
    f.Control<QWidget>(id::kOther)->setFocus();
    f.PressKey(Qt::Key_Return);
    QVERIFY(f.window.isVisible());
    QVERIFY(f.port.messages.isEmpty());
    QVERIFY(f.port.questions.isEmpty());
}

void ShellTest::MessagesOfCommands_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("start");
    const QString not_supported = u"目前，暂不支持，请使用通用计算程序(malv.exe)来实现此功能"_s;
    for (const int id : {1054, 1055, 1058, 1059, 1003})
        QTest::addRow("button %d", id) << id << 0 << not_supported;
    QTest::newRow("save as formula") << 0 << id::kSaveAsFormula << u"暂时不具有此功能，请关注本软件的升级"_s;
    QTest::newRow("other") << id::kOther << 0 << u"pow(x,y):x的y次方，\t!(x):阶乘\n"_s;
}

void ShellTest::MessagesOfCommands()
{
    QFETCH(QString, start);
    QFETCH(int, button);
    QFETCH(int, action);
    WindowFixture f;
    if (button)
        f.Click(button);
    else
        f.window.findChild<QAction*>(QString::number(action))->trigger();
    QCOMPARE(f.port.messages.size(), 1);
    QVERIFY(f.port.messages[0].startsWith(start));
}

void ShellTest::AboutFromButtonAndMenus()
{
    WindowFixture f;
    f.Click(id::kAbout);
    f.window.findChild<QAction*>(u"1049"_s)->trigger();
    f.window.findChild<QAction*>(u"16"_s)->trigger();
    QCOMPARE(f.port.dialogs, QStringList(3, u"关于 Ombrix"_s));
}

// Variables kept from the formula dialog show in the window's list.
void ShellTest::FormulaDialogFromButtonAndMenu()
{
    WindowFixture f;
    f.port.inspect_dialog = [&f](QDialog& dialog) {
        f.engine->Variables().Append("w", 2, origin::kInput);
        dialog.reject();
    };
    f.port.answers = {false, true};
    f.Click(id::kFormula);
    QCOMPARE(f.Variables().rowCount(), 0);
    f.window.findChild<QAction*>(u"1088"_s)->trigger();
    QCOMPARE(f.port.dialogs, QStringList(2, u"公式计算"_s));
    QCOMPARE(f.Variables().rowCount(), 1);
    QCOMPARE(f.Cell(0, 0), u"w"_s);
}

// A double click on a formula file starts the program with it.
void ShellTest::FormulaFileArgumentOpensInTheFormulaDialog()
{
    const QString file = current_.filePath(u"齿轮.tfl"_s);
    std::ofstream(QFile::encodeName(file).toStdString(), std::ios::binary)
        << "ORVIK_FILE\r\n[VAR_INIT]\r\nm=2\r\n[end]\r\n[EXPRESS]\r\nd=m*20\r\n[end]\r\n[COMMENT]\r\n[end]\r\n";
    WindowFixture f(file, WindowFixture::Wait::UntilShown);
    QTRY_COMPARE(f.port.dialogs, QStringList{u"公式计算"_s});
    // The fake port only ran the dialog; what it read stays in the table.
    QCOMPARE(f.engine->Variables().FindVariable("m"), 0);
    QVERIFY(f.window.ProcessFile().isEmpty());
    QVERIFY(f.port.messages.isEmpty());
}

void ShellTest::HelpShowsTheBody_data()
{
    QTest::addColumn<bool>("in_current");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ends with end:") << true << QByteArray("Title\r\nline 1\r\n\xB0\xEF\xD6\xFA\r\nend:\r\nhidden\r\n")
                                    << u"line 1\n帮助\n"_s;
    QTest::newRow("no end:") << true << QByteArray("Title\nline 1\nlast") << u"line 1\nlast\n"_s;
    QTest::newRow("program directory") << false << QByteArray("T\nbody\nend:\n") << u"body\n"_s;
    QTest::newRow("title only") << true << QByteArray("Title\n") << u""_s;
}

void ShellTest::HelpShowsTheBody()
{
    QFETCH(bool, in_current);
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    WriteHelpFile(in_current ? current_.path() : home_.path(), file);
    WindowFixture f;
    QString text_shown;
    f.port.inspect_dialog = [&text_shown](QDialog& dialog) {
        text_shown = FindControl<QPlainTextEdit>(dialog, id::help_text::kText)->toPlainText();
    };
    f.Click(id::kHelp);
    QCOMPARE(f.port.dialogs, QStringList{u"帮助"_s});
    QCOMPARE(text_shown, shown);
}

void ShellTest::HelpFileMissing()
{
    WindowFixture f;
    f.Click(id::kHelp);
    QCOMPARE(f.port.messages, QStringList{u"没有找到“计算器.txt”文件，帮助不能用"_s});
    QVERIFY(f.port.dialogs.isEmpty());
}

void ShellTest::HelpLinesInPieces()
{
    const std::string path = current_.filePath(u"long.txt"_s).toStdString();
    std::string chinese;
    for (int i = 0; i < 150; ++i)
        chinese += "\xB0\xEF";  // 300 bytes
    std::ofstream(path, std::ios::binary) << "title\n" << std::string(300, 'a') << '\n' << 'x' << chinese << '\n';
    const std::optional<std::string> text = ReadHelpText(path);
    QVERIFY(text);
    std::string expected = std::string(298, 'a') + "\r\naa\r\nx";
    for (int i = 0; i < 148; ++i)
        expected += "\xB0\xEF";
    expected += "\r\n\xB0\xEF\xB0\xEF\r\n";  // no character is cut in two
    QCOMPARE(*text, expected);
    QVERIFY(!ReadHelpText(path + ".missing"));
}

// One font draws everything, the degree marks included, and a Chinese
// character takes exactly two columns.
void ShellTest::VerifyFixedPitchCjk(const QWidget& box)
{
    const QString family = u"Noto Sans Mono CJK SC"_s;
    QCOMPARE(QFontInfo(box.font()).family(), family);
    QTextLayout layout(u"10°7′30″ 半径r"_s, box.font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        QCOMPARE(run.rawFont().familyName(), family);
    const QFontMetricsF metrics(box.font());
    QCOMPARE(metrics.horizontalAdvance(u"半径"_s), 4 * metrics.horizontalAdvance(u"r"_s));
}

// The help file that comes with the program: no line wraps.
void ShellTest::ShippedHelpFitsItsBox()
{
    const QString shipped = QDir(QCoreApplication::applicationDirPath()).filePath(u"计算器.txt"_s);
    QVERIFY(QFile::copy(shipped, current_.filePath(u"计算器.txt"_s)));
    WindowFixture f;
    VerifyFixedPitchCjk(f.Input());
    int lines = 0;
    f.port.inspect_dialog = [&lines](QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const auto* box = FindControl<QPlainTextEdit>(dialog, id::help_text::kText);
        VerifyFixedPitchCjk(*box);
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
            ++lines;
        }
    };
    f.Click(id::kHelp);
    QVERIFY(lines > 40);
}

void ShellTest::FindsTheDesktopCalculator()
{
    QTemporaryDir bin;
    for (const char* name : {"xcalc", "kcalc"}) {
        QFile program(bin.filePath(QString::fromLatin1(name)));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    QCOMPARE(FindPlatformCalculator({bin.path()}), bin.filePath(u"kcalc"_s));
    QCOMPARE(FindPlatformCalculator({current_.path()}), QString());
}

void ShellTest::InputValueDialogLayout()
{
    QWidget owner;
    owner.show();
    InputValueDialog dialog(u"半径"_s, u"0"_s, &owner);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), u"输入数据"_s);
    auto* prompt = FindControl<QPlainTextEdit>(dialog, id::input_value::kPrompt);
    auto* entry = FindControl<QLineEdit>(dialog, id::input_value::kEntry);
    QVERIFY(prompt->isReadOnly());
    QCOMPARE(prompt->toPlainText(), u"半径"_s);
    QCOMPARE(QApplication::focusWidget(), entry);
    QTest::keyClicks(entry, u"2.5"_s);
    QCOMPARE(dialog.Entry(), u"2.5"_s);
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

}  // namespace orvik

QTEST_MAIN(orvik::ShellTest)
#include "shell_test.moc"
