#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "companion/about_dialog.h"
#include "companion/main_frame.h"
#include "companion/page_header_dialog.h"
#include "companion/vek_print_app.h"
#include "companion/vek_print_ids.h"
#include "text_contrast.h"

namespace orvik {

class CompanionWindowTest : public QObject {
    Q_OBJECT

private:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // As if typed: the document counts it as an edit.
    static void Type(CVekPrintView& view, const QString& text)
    {
        view.SelectAll();
        view.InsertText(text);
    }

    QTemporaryDir dir_;

private slots:
    void NotCalledByTheCalculatorEndsAtOnceWithoutWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no argument") << QStringList{};
        QTest::newRow("an option only") << QStringList{"-p"};
        QTest::newRow("prefix in other letter case") << QStringList{"vek_call__/tmp/x"};
        QTest::newRow("shorter than the prefix") << QStringList{"VEK_CALL"};
    }

    void NotCalledByTheCalculatorEndsAtOnceWithoutWindow()
    {
        QFETCH(QStringList, arguments);
        // Without any display a window could not even be tried quietly.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VEKPRINT_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(-1));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardError(), QByteArray());
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
    }

    void GbkTextIsShownConverted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Chinese with CR LF") << QByteArray("Input: \r\n\xD6\xD0\xCE\xC4 = 1\r\n")
                                            << QStringLiteral("Input: \n中文 = 1\n");
        QTest::newRow("LF and lone CR") << QByteArray("a\nb\rc") << QStringLiteral("a\nb\nc");
        QTest::newRow("invalid bytes replaced") << QByteArray("ok\xFF\r\nend\xB0")
                                                << QStringLiteral("ok\uFFFD\nend\uFFFD");
    }

    void GbkTextIsShownConverted()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        CMainFrame frame;
        QVERIFY(frame.Document().OnOpenDocument(QFile::encodeName(Write("shown", bytes)).toStdString()));
        QCOMPARE(frame.View().Text(), shown);
        QVERIFY(!frame.Document().IsModified());
    }

    void SaveAsOfUneditedTextWritesTheSameBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("GBK with CR LF") << QByteArray("Input: \r\nd = 20.000000 \r\n\xB9\xFD\xB3\xCC\r\n");
        QTest::newRow("invalid GBK") << QByteArray("ok\xFF\x80z\r\n");
        QTest::newRow("LF line ends") << QByteArray("a\nb\n");
        QTest::newRow("empty") << QByteArray();
    }

    void SaveAsOfUneditedTextWritesTheSameBytes()
    {
        QFETCH(QByteArray, bytes);
        CMainFrame frame;
        QVERIFY(frame.Document().OnOpenDocument(QFile::encodeName(Write("original", bytes)).toStdString()));
        const QString copy = dir_.filePath(QStringLiteral("copy"));
        QCOMPARE(frame.Document().OnSaveDocument(copy), CVekPrintDoc::SaveResult::kSaved);
        QCOMPARE(Read(copy), bytes);
    }

    void EditedTextKeepsTheFilesLineEnds_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("line_end");
        QTest::newRow("one line: CR LF") << QByteArray("old") << QByteArray("\r\n");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\n") << QByteArray("\r\n");
        QTest::newRow("bare LF") << QByteArray("a\nb\r\n") << QByteArray("\n");
        QTest::newRow("lone CR") << QByteArray("a\rb") << QByteArray("\r");
    }

    void EditedTextKeepsTheFilesLineEnds()
    {
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, line_end);
        CMainFrame frame;
        QVERIFY(frame.Document().OnOpenDocument(QFile::encodeName(Write("edit", original)).toStdString()));
        Type(frame.View(), QStringLiteral("第一行\n二\n"));
        QVERIFY(frame.Document().IsModified());
        const QString target = dir_.filePath(QStringLiteral("edited"));
        QCOMPARE(frame.Document().OnSaveDocument(target), CVekPrintDoc::SaveResult::kSaved);
        QCOMPARE(Read(target), "\xB5\xDA\xD2\xBB\xD0\xD0" + line_end + "\xB6\xFE" + line_end);
        QVERIFY(!frame.Document().IsModified());
    }

    void TextWithoutGbkFormIsNotSaved()
    {
        CMainFrame frame;
        const QString target = Write("kept", "kept");
        QVERIFY(frame.Document().OnOpenDocument(QFile::encodeName(target).toStdString()));
        Type(frame.View(), QStringLiteral("snow \u2603"));
        QCOMPARE(frame.Document().OnSaveDocument(target), CVekPrintDoc::SaveResult::kNotGbk);
        QCOMPARE(Read(target), QByteArray("kept"));
        const QString unwritable = dir_.filePath(QStringLiteral("no/such/dir/f"));
        Type(frame.View(), QStringLiteral("ok"));
        QCOMPARE(frame.Document().OnSaveDocument(unwritable), CVekPrintDoc::SaveResult::kWriteFailed);
    }

    void MainWindowHasTitleToolBarAndStatusBarButNoMenu()
    {
        CMainFrame frame;
        QCOMPARE(frame.windowTitle(), QStringLiteral("vekPrint"));
        QVERIFY(frame.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!frame.findChild<QMenuBar*>());
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("就绪"));
        QStringList indicators;
        for (const char* name : {"indicator_caps", "indicator_num", "indicator_scroll"})
            indicators << frame.findChild<QLabel*>(QLatin1StringView(name))->text();
        QCOMPARE(indicators, (QStringList{"大写", "数字", "滚动"}));
    }

    void ToolBarHoldsTheCommandsInOrder()
    {
        CMainFrame frame;
        const auto* tool_bar = frame.findChild<QToolBar*>();
        QStringList buttons;
        for (const QAction* action : tool_bar->actions()) {
            buttons << (action->isSeparator()
                            ? QStringLiteral("|")
                            : action->objectName() + ' ' + action->toolTip() + ' ' + action->statusTip());
        }
        const QStringList expected{
            "57604 另存为 将活动文档以一个新文件名保存", "|",
            "57635 剪切 剪切被选对象并将其置于剪贴板上", "57634 复制 复制被选对象并将其置于剪贴板上",
            "57637 粘贴 插入剪贴板内容", "|",
            "57606 打印设置 改变打印机及打印选项", "57609 打印预览 显示整页", "57607 打印 打印活动文档", "|",
            "32779 设置页眉文字 设置页眉", "32771 设置字体 设置字体", "57664 关于 显示程序信息，版本号和版权", "|",
            "57665 退出 退出应用程序；提示保存文档",
        };
        QCOMPARE(buttons, expected);
    }

    void CutAndCopyNeedASelection()
    {
        CMainFrame frame;
        frame.View().SetText(QStringLiteral("text"));
        QAction* copy = frame.findChild<QAction*>(vek_ids::Name(vek_ids::kEditCopy));
        QVERIFY(!copy->isEnabled());
        frame.View().SelectAll();
        QVERIFY(copy->isEnabled());
    }

    void ClosingAfterEditsAsksNothingAndKeepsTheFile()
    {
        const QString path = Write("close", "Input: \r\n");
        CMainFrame frame;
        QVERIFY(frame.Document().OnOpenDocument(QFile::encodeName(path).toStdString()));
        frame.show();
        Type(frame.View(), QStringLiteral("edited"));
        QVERIFY(frame.Document().IsModified());
        frame.findChild<QAction*>(vek_ids::Name(vek_ids::kAppExit))->trigger();
        QVERIFY(!frame.isVisible());
        QVERIFY(!frame.Document().IsModified());
        QCOMPARE(Read(path), QByteArray("Input: \r\n"));
    }

    void ViewStartsWithDialogFontAndNoSidewaysScrolling()
    {
        CMainFrame frame;
        CVekPrintView& view = frame.View();
        const QFont text_font = view.font();
        view.OnInitialUpdate();
        QCOMPARE(view.FontObject().family(), QStringLiteral("宋体"));
        QCOMPARE(view.FontObject().pixelSize(), 12);
        QCOMPARE(view.font(), text_font);
        QCOMPARE(view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(view.TabStopDistance(), 4.0 * view.fontMetrics().averageCharWidth());
    }

    void ChosenFontBecomesTheTextFont()
    {
        CMainFrame frame;
        CVekPrintView& view = frame.View();
        view.OnInitialUpdate();
        QFont chosen(QStringLiteral("Noto Sans Mono CJK SC"));
        chosen.setPointSize(20);
        view.SetFontObject(chosen);
        QCOMPARE(view.font(), chosen);
        QCOMPARE(view.TabStopDistance(), 4.0 * QFontMetrics(chosen).averageCharWidth());
    }

    void PageHeaderDialogEditsTheHeader()
    {
        PageHeaderDialog dialog(QStringLiteral("旧页眉"));
        QCOMPARE(dialog.objectName(), QStringLiteral("130"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("设置页眉"));
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("1000"));
        QCOMPARE(edit->text(), QStringLiteral("旧页眉"));
        edit->setText(QStringLiteral("齿轮计算"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("1"));
        QCOMPARE(ok->text(), QStringLiteral("确定"));
        QVERIFY(ok->isDefault());
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("2"))->text(), QStringLiteral("取消"));
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Text(), QStringLiteral("齿轮计算"));
    }

    void AboutDialogNamesTheVersion()
    {
        AboutDialog dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("100"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("关于 vekPrint"));
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("vekPrint 1.0 版")));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("1"))->text(), QStringLiteral("确定"));
    }

    // Last: it gives the application the program's look.
    void TextStaysReadableOnADarkDesktop()
    {
        UseDarkDesktopPalette();
        ApplyVekPrintLook(*qApp);
        CMainFrame frame;
        QVERIFY(frame.Document().OnOpenDocument(QFile::encodeName(Write("dark", "line 1\r\n\xb5\xda\xb6\xfe\xd0\xd0\r\n")).toStdString()));
        frame.View().OnInitialUpdate();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const QStringList poor = PoorlyReadableTexts(frame, 3.0);
        QVERIFY2(poor.isEmpty(), qPrintable(poor.join(u'\n')));
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::CompanionWindowTest)
#include "companion_window_test.moc"
