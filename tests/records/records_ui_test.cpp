#include <csignal>

#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/variable_table.h"
#include "fake_user_port.h"
#include "platform/control_id.h"
#include "platform/detached_process_start.h"
#include "records/print_choice_dialog.h"
#include "records/process_log_window.h"
#include "resources/control_ids.h"

namespace orvik {

namespace ids = id::process_log;

// The process log window over two of today's records and one of yesterday,
// printing through the real companion in a program directory of its own.
struct LogFixture {
    LogFixture()
    {
        variables.Append("x", 3, origin::kInput);
        variables.Append("r", 5, origin::kAssigned);
        QFile::link(QStringLiteral(VEKPRINT_PROGRAM), home.filePath(QStringLiteral("vekPrint.dll")));
        qputenv("ORVIK_HOME", QFile::encodeName(home.path()));
    }

    QPlainTextEdit& Text() const { return *FindControl<QPlainTextEdit>(window, ids::kText); }
    void Click(int id) const { FindControl<QPushButton>(window, id)->click(); }
    QByteArray Read(const QString& name) const
    {
        QFile file(home.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir home;
    const std::time_t now = std::time(nullptr);
    RecordCollection records = {{1, "r=(x^2+16)^0.5", 5, now}, {2, "old", 1, now - 2 * 86400}, {2, "y=r", 5, now}};
    VariableTable variables;
    FakeUserPort port;
    DetachedProcessStart start;
    ProcessLogWindow window{records, variables, port, start};
};

class RecordsUiTest : public QObject {
    Q_OBJECT

private slots:
    void OpensWithTodaysRecordsThatClearAndReloadKeep()
    {
        LogFixture f;
        const QString time = QDateTime::fromSecsSinceEpoch(f.now).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const QString full = QStringLiteral("行号1\tr=(x^2+16)^0.5 = 5.0000    时间%1\n行号2\ty=r = 5.0000    时间%1\n").arg(time);
        QCOMPARE(f.Text().toPlainText(), full);
        f.port.answers = {false, true};
        f.Click(ids::kClear);
        QCOMPARE(f.Text().toPlainText(), full);
        f.Click(ids::kClear);
        QCOMPARE(f.port.questions, (QStringList{"一定要删除记录吗?", "一定要删除记录吗?"}));
        QCOMPARE(f.Text().toPlainText(), QString());
        f.Click(ids::kReloadToday);
        QCOMPARE(f.Text().toPlainText(), full);
    }

    void SaveWritesTheInputsAndTheTextAsTheBoxHoldsIt()
    {
        LogFixture f;
        f.Text().setPlainText(QStringLiteral("改过\n的"));
        f.port.chosen_files = {QString(), f.home.filePath(QStringLiteral("过程.txt")), f.home.filePath("no/x.txt")};
        f.Click(ids::kSave);  // cancelled
        f.Click(ids::kSave);
        f.Click(ids::kSave);
        QCOMPARE(f.port.messages, (QStringList{"保存成功", "打不开文件"}));
        QCOMPARE(f.Read(QStringLiteral("过程.txt")),
                 QByteArray("Input: \r\nx = 3.000000 \r\n\r\nprocess: \r\n\xB8\xC4\xB9\xFD\r\n\xB5\xC4"));
        QCOMPARE(f.port.file_choices.first().caption, QStringLiteral("计算过程存为文本文件"));
        QCOMPARE(f.port.file_choices.first().filter, QStringLiteral("文本文件 (*.txt);;所有文件 (*.*)"));
        f.Click(ids::kOpenEarlier);
        QCOMPARE(f.port.messages.last(), QStringLiteral("暂时不具有此功能，请关注本软件的升级"));
    }

    // Offscreen, the companion's window cannot be looked at; that it runs on
    // the print file can.
    void PrintStartsTheCompanionOnThePrintFile()
    {
        LogFixture f;
        f.Click(ids::kPrint);
        const qint64 pid = f.start.LastProcessId();
        const auto end = qScopeGuard([pid] {
            if (pid > 0)
                ::kill(pid, SIGTERM);
        });
        QVERIFY(pid > 0);
        QFile command_line(QStringLiteral("/proc/%1/cmdline").arg(pid));
        QVERIFY(command_line.open(QIODevice::ReadOnly));
        QCOMPARE(command_line.readAll().split('\0').value(1),
                 "VEK_CALL__" + QFile::encodeName(f.home.filePath(QStringLiteral("__temp1"))));
        QVERIFY(f.Read(QStringLiteral("__temp1")).startsWith("Input: \r\nx = 3.000000 \r\n\r\nprocess: \r\n\xD0\xD0"));
        QTest::qWait(300);
        QCOMPARE(::kill(pid, 0), 0);  // it did not end at once

        QFile::remove(f.home.filePath(QStringLiteral("vekPrint.dll")));
        f.Click(ids::kPrint);
        QCOMPARE(f.port.messages, QStringList{"系统文件(vekPrint.dll)丢失,不能打印"});
        QCOMPARE(f.Read(QStringLiteral("__temp1")), QByteArray("<missing>"));
    }

    void PrintChoiceOpensWithInputsAndOutputsAndNeedsOneBox()
    {
        PrintChoiceDialog dialog;
        QVERIFY(dialog.Choice().inputs && !dialog.Choice().process && dialog.Choice().outputs);
        for (const int box : {id::print_choice::kInputs, id::print_choice::kOutputs})
            FindControl<QCheckBox>(dialog, box)->click();
        QVERIFY(!FindControl<QPushButton>(dialog, id::kOk)->isEnabled());
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::RecordsUiTest)
#include "records_ui_test.moc"
