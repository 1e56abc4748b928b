// The tolerance analysis of the formula dialog on a shipped gear formula:
// the window, its figures, its messages, saving and printing.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "formula_dialog_fixture.h"
#include "library/formula_tree_ctrl.h"
#include "library/tolerance_histogram_view.h"
#include "platform/gbk_qt.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::tolerance;

class ToleranceWindowTest : public QObject, FormulaDialogFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void AnalysesTheContactRatioOfAGearPair();
    void BadEntriesAreSaidAndNothingIsComputed();
    void SavesAndPrintsTheTables();

private:
    QAbstractButton& Button() const { return In<QAbstractButton>(*dialog_, id::formula::kTolerance); }
    // The window the button opened, with `tolerances` typed in per input row.
    QDialog& Open(const QStringList& tolerances, const QString& samples = u"2000"_s);
    void Compute(QDialog& window) const { In<QAbstractButton>(window, ids::kCompute).click(); }
    static QString Cell(const QDialog& window, int table, int row, int column)
    {
        return In<QTableWidget>(window, table).item(row, column)->text();
    }
};

void ToleranceWindowTest::init()
{
    MakeHome();
    QDir().mkpath(Library(u"齿轮"_s));
    QVERIFY(QFile::copy(QFile::decodeName(ORVIK_STARTER_LIBRARY_DIR) + u"/齿轮/直齿轮端面重合度.tfl"_s,
                        Library(u"齿轮/直齿轮端面重合度.tfl"_s)));
    QVERIFY(ShowDialog());
    QVERIFY(!Button().isEnabled());  // nothing open
    auto& tree = In<FormulaTreeCtrl>(*dialog_, id::formula::kTree);
    QTreeWidgetItem* gears = tree.topLevelItem(0)->child(0);
    gears->setExpanded(true);  // which lists its formulas
    tree.setCurrentItem(gears->child(0));
    dialog_->OpenFormula();
    QVERIFY(Button().isEnabled());
}

void ToleranceWindowTest::cleanup()
{
    RemoveHome();
}

QDialog& ToleranceWindowTest::Open(const QStringList& tolerances, const QString& samples)
{
    Button().click();
    auto& window = In<QDialog>(*dialog_, ids::kWindow);
    auto& inputs = In<QTableWidget>(window, ids::kInputs);
    for (int row = 0; row < tolerances.size(); ++row)
        inputs.item(row, 2)->setText(tolerances[row]);
    In<QLineEdit>(window, ids::kSamples).setText(samples);
    return window;
}

void ToleranceWindowTest::AnalysesTheContactRatioOfAGearPair()
{
    const VariableTable before = engine_->Variables();
    QDialog& window = Open({u"±0.01"_s, {}, {}, {}, {}, u"+0.05/-0.05"_s});
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), u"公差分析 - 直齿轮端面重合度"_s);
    QCOMPARE(Cell(window, ids::kInputs, 0, 3), u"1.99 ~ 2.01"_s);
    QCOMPARE(Cell(window, ids::kInputs, 5, 1), u"0.000000"_s);
    QVERIFY(!In<QAbstractButton>(window, ids::kSaveTable).isEnabled());

    Compute(window);
    QCOMPARE(port_.messages, QStringList{});
    auto& results = In<QTableWidget>(window, ids::kResults);
    QCOMPARE(results.rowCount(), 9);
    QCOMPARE(results.horizontalHeaderItem(2)->text(), u"最坏情况最小值"_s);
    QCOMPARE(Cell(window, ids::kResults, 8, 0), u"εα"_s);
    QCOMPARE(Cell(window, ids::kResults, 8, 1), u"1.635186"_s);
    QCOMPARE(Cell(window, ids::kResults, 8, 10), u"2000"_s);
    QCOMPARE(In<QLabel>(window, ids::kStatus).text(), u"公差分析: 直齿轮端面重合度, 均匀分布, 2000 个样本"_s);
    // The last result is shown first; a result chosen in the table stays
    // chosen when computing again. Neither the contact ratio nor xΣ depends
    // on the module: all their variance is x1's.
    auto& shown = In<QComboBox>(window, ids::kShown);
    QCOMPARE(shown.currentText(), u"εα"_s);
    results.setCurrentCell(0, 0);
    Compute(window);
    QCOMPARE(shown.currentText(), u"xΣ"_s);
    QCOMPARE(Cell(window, ids::kSensitivity, 0, 0), u"x1"_s);
    QCOMPARE(Cell(window, ids::kSensitivity, 0, 1), u"100.00"_s);
    QCOMPARE(Cell(window, ids::kSensitivity, 1, 1), u"0.00"_s);
    QCOMPARE(In<ToleranceHistogramView>(window, ids::kHistogram).chart()->series().size(), 4);

    const VariableTable& after = engine_->Variables();
    QCOMPARE(after.Count(), before.Count());
    for (int i = 0; i < after.Count(); ++i)
        QCOMPARE(after[i].value, before[i].value);
    window.close();
}

void ToleranceWindowTest::BadEntriesAreSaidAndNothingIsComputed()
{
    QDialog& window = Open({u"0.01"_s});
    QCOMPARE(Cell(window, ids::kInputs, 0, 3), u"写法不对"_s);
    Compute(window);
    In<QTableWidget>(window, ids::kInputs).item(0, 2)->setText(u"1%"_s);
    In<QLineEdit>(window, ids::kSamples).setText(u"1"_s);
    Compute(window);
    QCOMPARE(port_.messages, (QStringList{u"m 的公差写法不对: 0.01\n公差应写成 ±T、+-T、+A/-B 或 P%"_s,
                                          u"样本数应为2到1000000之间的整数"_s}));
    QCOMPARE(In<QTableWidget>(window, ids::kResults).rowCount(), 0);
    QVERIFY(!In<QAbstractButton>(window, ids::kPrint).isEnabled());

    // While a formula is edited there is nothing to analyse.
    window.close();
    emit In<FormulaTreeCtrl>(*dialog_, id::formula::kTree).CommandChosen(id::formula::kEditFormula);
    QVERIFY(!Button().isEnabled());
}

void ToleranceWindowTest::SavesAndPrintsTheTables()
{
    QDialog& window = Open({{}, u"±1"_s});
    Compute(window);
    const QString csv = dir_->filePath(u"公差.csv"_s);
    port_.chosen_files = {csv};
    In<QAbstractButton>(window, ids::kSaveTable).click();
    QCOMPARE(port_.messages, QStringList{u"保存成功"_s});
    QCOMPARE(port_.file_choices[0].directory, dir_->filePath(u"直齿轮端面重合度-公差分析.csv"_s));
    QFile table(csv);
    QVERIFY(table.open(QIODevice::ReadOnly));
    QVERIFY(table.readAll().startsWith(u"\uFEFF变量,名义值,最坏情况最小值"_s.toUtf8()));

    In<QAbstractButton>(window, ids::kPrint).click();
    QCOMPARE(start_.started.size(), size_t{1});
    QFile printed(dir_->filePath(u"__temp1"_s));
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QString text = FromGbk(printed.readAll().toStdString());
    QVERIFY(text.startsWith(u"公差分析: 直齿轮端面重合度, 均匀分布, 2000 个样本\r\n\r\nInput: \r\nm = 2.000000 \r\n"_s));
    QVERIFY(text.contains(u"\r\nz1\t20\t±1\t19\t21\t"_s));
}

}  // namespace orvik

QTEST_MAIN(orvik::ToleranceWindowTest)
#include "tolerance_window_test.moc"
