// Calculation records in the window: what ＝ and ↓ record, the process log
// window behind 过程, and 打印.
#include <QCheckBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "fake_process_start.h"
#include "platform/gbk_qt.h"
#include "records/process_log_window.h"
#include "window_fixture.h"

namespace orvik {

using namespace Qt::StringLiterals;

class RecordsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

    static QString Records(const WindowFixture& f)
    {
        QStringList lines;
        for (const CalculationRecord& record : f.window.Records())
            lines << u"%1 %2 %3"_s.arg(record.line_number).arg(FromGbkLines(record.statement)).arg(record.value);
        return lines.join(u" | "_s);
    }

    // The print file with every time replaced by "T".
    QString PrintFile() const
    {
        QFile file(home_.filePath(u"__temp1"_s));
        if (!file.open(QIODevice::ReadOnly))
            return u"<missing>"_s;
        return FromGbk(file.readAll().toStdString()).replace(QRegularExpression(u"时间[-0-9: ]+"_s), u"T"_s);
    }

private slots:
    void initTestCase() { qputenv("ORVIK_HOME", QFile::encodeName(home_.path())); }

    void EvaluateAndDownRecordTheirLine()
    {
        WindowFixture f;
        f.SetInput(u"a=2"_s);
        f.Click(id::kEvaluate);
        f.Input().setFocus();
        f.Type(u" "_s);
        f.Click(id::kStepDown);
        f.SetInput(u"b=a*3\nb+1"_s);
        f.Click(id::kStepDown);
        f.Click(id::kStepUp);
        f.Click(id::kRadixHexadecimal);
        QCOMPARE(Records(f), u"1 a=2 2 | 1 a=2 2 | 1 a=2 2 | 2 b=a*3\nb+1 7"_s);
    }

    void ProcessOpensOneLogWindowWithTheRecords()
    {
        WindowFixture f;
        f.SetInput(u"7*6"_s);
        f.Click(id::kEvaluate);
        auto* process = f.Control<QAbstractButton>(id::kProcess);
        f.Click(id::kProcess);
        f.Click(id::kProcess);
        const QList<ProcessLogWindow*> windows = f.window.findChildren<ProcessLogWindow*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows[0]->isVisible());
        QVERIFY(process->isChecked());
        QVERIFY(FindControl<QPlainTextEdit>(*windows[0], id::process_log::kText)
                    ->toPlainText()
                    .startsWith(u"行号1\t7*6 = 42.0000    时间"_s));
        windows[0]->close();
        QVERIFY(!process->isChecked());
    }

    // Every line again, in order and with its prompts, then the chosen parts.
    void PrintRecomputesEveryLine()
    {
        WindowFixture f;
        FakeProcessStart start;
        f.window.UseProcessStart(start);
        f.port.prompt_answers = {u"4"_s, u"5"_s};
        f.SetInput(u"a=x*2"_s);
        f.Click(id::kStepDown);
        f.JumpTo(u"3"_s);
        f.SetInput(u"b=a+1"_s);
        f.port.answers = {true};
        f.Click(id::kClearVariables);

        f.port.inspect_dialog = [](QDialog& dialog) {
            FindControl<QCheckBox>(dialog, id::print_choice::kProcess)->click();
            FindControl<QAbstractButton>(dialog, id::kOk)->click();
        };
        f.Click(id::kPrint);
        QCOMPARE(f.port.dialogs, QStringList{u"打印选择"_s});
        QCOMPARE(f.port.prompts.size(), 2);
        QCOMPARE(start.started.size(), size_t(1));
        QCOMPARE(PrintFile(), u"Input: \r\nx = 5.000000 \r\n\r\nprocess: \r\n"
                              u"行号1\ta=x*2 = 10.0000    T\r\n行号3\tb=a+1 = 11.0000    T\r\n"
                              u"\r\nOutput: \r\na = 10.000000 \r\nb = 11.000000 \r\n"_s);
        QCOMPARE(f.Cell(0, 1).toDouble(), 10.0);  // a, shown anew

        f.port.inspect_dialog = nullptr;  // Cancel
        f.Click(id::kPrint);
        QCOMPARE(start.started.size(), size_t(1));
        QCOMPARE(f.port.prompts.size(), 2);
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::RecordsTest)
#include "records_test.moc"
