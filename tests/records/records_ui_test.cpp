#include <csignal>

#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/variable_table.h"
#include "fake_process_start.h"
#include "fake_user_port.h"
#include "platform/control_id.h"
#include "platform/detached_process_start.h"
#include "records/print_choice_dialog.h"
#include "records/process_log_window.h"
#include "resources/control_ids.h"

namespace orvik {

namespace ids = id::process_log;

// A process log window over two of today's records and one of yesterday.
struct LogFixture {
    LogFixture()
    {
        variables.Append("x", 3, origin::kInput);
        variables.Append("r", 5, origin::kAssigned);
    }

    QString Text() const { return FindControl<QPlainTextEdit>(window, ids::kText)->toPlainText(); }
    void SetText(const QString& text) const { FindControl<QPlainTextEdit>(window, ids::kText)->setPlainText(text); }
    void Click(int id) const { FindControl<QPushButton>(window, id)->click(); }

    const std::time_t now = std::time(nullptr);
    RecordCollection records = {{1, "r=(x^2+16)^0.5", 5, now}, {2, "old", 1, now - 2 * 86400}, {2, "y=r", 5, now}};
    VariableTable variables;
    FakeUserPort port;
    FakeProcessStart start;
    ProcessLogWindow window{records, variables, port, start};
};

class RecordsUiTest : public QObject {
    Q_OBJECT

private:
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QString PrintFile() const { return home_.filePath(QStringLiteral("__temp1")); }

    QTemporaryDir home_;

    static QString Line(int number, const QString& statement, const QString& value, std::time_t time)
    {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(time);
        return QStringLiteral("行号%1\t%2 = %3    时间%4\n")
            .arg(number).arg(statement, value, local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }

private slots:
    void initTestCase() { qputenv("ORVIK_HOME", QFile::encodeName(home_.path())); }

    void OpensWithTodaysRecordsInOrder()
    {
        LogFixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("计算过程"));
        QCOMPARE(f.Text(), Line(1, "r=(x^2+16)^0.5", "5.0000", f.now) + Line(2, "y=r", "5.0000", f.now));
    }

    void ClearAsksAndReloadBringsTheRecordsBack()
    {
        LogFixture f;
        const QString full = f.Text();
        f.port.answers = {false, true};
        f.Click(ids::kClear);
        QCOMPARE(f.Text(), full);
        f.Click(ids::kClear);
        QCOMPARE(f.port.questions, (QStringList{"一定要删除记录吗?", "一定要删除记录吗?"}));
        QCOMPARE(f.Text(), QString());
        f.Click(ids::kReloadToday);
        QCOMPARE(f.Text(), full);
        f.records.clear();
        f.Click(ids::kReloadToday);
        QCOMPARE(f.Text(), QString());
    }

    void SaveWritesTheInputsAndTheTextAsTheBoxHoldsIt()
    {
        LogFixture f;
        f.SetText(QStringLiteral("改过\n的"));
        const QString target = home_.filePath(QStringLiteral("过程.txt"));
        f.port.chosen_files = {QString(), target, home_.filePath(QStringLiteral("no/such.txt"))};
        f.Click(ids::kSave);  // cancelled
        QVERIFY(f.port.messages.isEmpty());
        f.Click(ids::kSave);
        QCOMPARE(f.port.messages, QStringList{"保存成功"});
        QCOMPARE(Read(target), QByteArray("Input: \r\nx = 3.000000 \r\n\r\nprocess: \r\n\xB8\xC4\xB9\xFD\r\n\xB5\xC4"));
        f.Click(ids::kSave);
        QCOMPARE(f.port.messages.last(), QStringLiteral("打不开文件"));
        const FakeUserPort::FileChoice& choice = f.port.file_choices.first();
        QCOMPARE(choice.caption, QStringLiteral("计算过程存为文本文件"));
        QCOMPARE(choice.directory, home_.path());
        QCOMPARE(choice.filter, QStringLiteral("文本文件 (*.txt);;所有文件 (*.*)"));
    }

    void TextGbkCannotHoldIsNeitherSavedNorPrinted()
    {
        LogFixture f;
        f.SetText(QStringLiteral("snow \u2603"));
        f.port.chosen_files = {home_.filePath(QStringLiteral("snow.txt"))};
        f.Click(ids::kSave);
        f.Click(ids::kPrint);
        QCOMPARE(f.port.messages.size(), 2);
        QVERIFY(f.port.file_choices.isEmpty());
        QVERIFY(f.start.started.empty());
    }

    void PrintHandsTheTextToTheCompanion()
    {
        LogFixture f;
        f.SetText(QStringLiteral("p"));
        f.Click(ids::kPrint);
        QVERIFY(f.port.messages.isEmpty());
        QCOMPARE(f.start.started.size(), size_t(1));
        QCOMPARE(Read(PrintFile()), QByteArray("Input: \r\nx = 3.000000 \r\n\r\nprocess: \r\np"));

        f.start.fail = true;
        f.Click(ids::kPrint);
        QCOMPARE(f.port.messages, QStringList{"系统文件(vekPrint.dll)丢失,不能打印"});
        QVERIFY(!QFile::exists(PrintFile()));
    }

    void OpenEarlierRecordsIsNotOfferedYet()
    {
        LogFixture f;
        f.Click(ids::kOpenEarlier);
        QCOMPARE(f.port.messages, QStringList{"暂时不具有此功能，请关注本软件的升级"});
    }

    void PrintChoiceOpensWithInputsAndOutputsAndNeedsOneBox()
    {
        PrintChoiceDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("打印选择"));
        auto* process = FindControl<QCheckBox>(dialog, id::print_choice::kProcess);
        QCOMPARE(process->text(), QStringLiteral("打印过程"));
        const PrintChoice initial = dialog.Choice();
        QVERIFY(initial.inputs && !initial.process && initial.outputs);
        auto* ok = FindControl<QPushButton>(dialog, id::kOk);
        FindControl<QCheckBox>(dialog, id::print_choice::kInputs)->click();
        FindControl<QCheckBox>(dialog, id::print_choice::kOutputs)->click();
        QVERIFY(!ok->isEnabled());
        process->click();
        QVERIFY(ok->isEnabled());
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.Choice().process && !dialog.Choice().inputs);
    }

    // Under the offscreen platform the companion's window cannot be looked
    // at; that it runs, on the print file, is what can be seen.
    void RealCompanionIsStartedOnThePrintFile()
    {
        QTemporaryDir home;
        QVERIFY(QFile::link(QStringLiteral(VEKPRINT_PROGRAM), home.filePath(QStringLiteral("vekPrint.dll"))));
        qputenv("ORVIK_HOME", QFile::encodeName(home.path()));
        LogFixture f;
        DetachedProcessStart start;
        ProcessLogWindow window(f.records, f.variables, f.port, start);
        FindControl<QPushButton>(window, ids::kPrint)->click();
        QVERIFY(f.port.messages.isEmpty());
        const qint64 pid = start.LastProcessId();
        QVERIFY(pid > 0);
        QFile command_line(QStringLiteral("/proc/%1/cmdline").arg(pid));
        QVERIFY(command_line.open(QIODevice::ReadOnly));
        const QByteArray print_file = QFile::encodeName(home.filePath(QStringLiteral("__temp1")));
        QCOMPARE(command_line.readAll().split('\0').value(1), "VEK_CALL__" + print_file);
        QVERIFY(Read(print_file).startsWith("Input: \r\nx = 3.000000 \r\n\r\nprocess: \r\n"));
        QTest::qWait(300);
        QCOMPARE(::kill(pid, 0), 0);  // still showing the text
        ::kill(pid, SIGTERM);

        // Without the companion nothing is started and nothing is left behind.
        QFile::remove(home.filePath(QStringLiteral("vekPrint.dll")));
        FindControl<QPushButton>(window, ids::kPrint)->click();
        QCOMPARE(f.port.messages, QStringList{"系统文件(vekPrint.dll)丢失,不能打印"});
        QVERIFY(!QFile::exists(QFile::decodeName(print_file)));
        qputenv("ORVIK_HOME", QFile::encodeName(home_.path()));
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::RecordsUiTest)
#include "records_ui_test.moc"
