// Calculation records in the window: what ＝ and ↓ record, 过程 and 打印.
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

    QTemporaryDir home_;

private slots:
    void initTestCase() { qputenv("ORVIK_HOME", QFile::encodeName(home_.path())); }

    void EvaluateAndDownRecordTheirLineProcessShowsThem()
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
        QStringList records;
        for (const CalculationRecord& record : f.window.Records())
            records << u"%1 %2 %3"_s.arg(record.line_number).arg(FromGbkLines(record.statement)).arg(record.value);
        // ↓ after ＝ and Space on the same text adds no third record.
        QCOMPARE(records, (QStringList{u"1 a=2 2"_s, u"1 a=2 2"_s, u"2 b=a*3\nb+1 7"_s}));

        f.Click(id::kProcess);
        f.Click(id::kProcess);
        const QList<ProcessLogWindow*> windows = f.window.findChildren<ProcessLogWindow*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(f.Control<QAbstractButton>(id::kProcess)->isChecked());
        QCOMPARE(FindControl<QPlainTextEdit>(*windows[0], id::process_log::kText)->toPlainText().count(u"行号"_s), 3);
        windows[0]->close();
        QVERIFY(!f.Control<QAbstractButton>(id::kProcess)->isChecked());
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
        f.Click(id::kPrint);  // cancelled
        QVERIFY(start.started.empty());

        f.port.inspect_dialog = [](QDialog& dialog) {
            FindControl<QCheckBox>(dialog, id::print_choice::kProcess)->click();
            FindControl<QAbstractButton>(dialog, id::kOk)->click();
        };
        f.Click(id::kPrint);
        QCOMPARE(f.port.prompts.size(), 2);
        QCOMPARE(start.started.size(), size_t(1));
        QFile file(home_.filePath(u"__temp1"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(FromGbk(file.readAll().toStdString()).replace(QRegularExpression(u"时间[-0-9: ]+"_s), u"T"_s),
                 u"Input: \r\nx = 5.000000 \r\n\r\nprocess: \r\n行号1\ta=x*2 = 10.0000    T\r\n"
                 u"行号3\tb=a+1 = 11.0000    T\r\n\r\nOutput: \r\na = 10.000000 \r\nb = 11.000000 \r\n"_s);
        QCOMPARE(f.Cell(0, 1).toDouble(), 10.0);  // a, shown anew
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::RecordsTest)
#include "records_test.moc"
