// The parameter sweep of the formula dialog on a shipped gear formula: the
// settings dialog, the table and chart, saving and printing.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "engine/engine.h"
#include "formula_dialog_fixture.h"
#include "library/formula_dialog.h"
#include "library/formula_tree_ctrl.h"
#include "library/sweep_chart_view.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

const QString kGear = u"标准直齿圆柱齿轮几何尺寸"_s;
const QString kShiftedGears = u"变位齿轮啮合角与中心距"_s;

// The settings a test types into the sweep dialog before pressing OK.
struct Settings {
    QString input;  // empty: the first
    QString from;
    QString to;
    QString amount;
    bool by_count = false;
    bool logarithmic = false;
    QList<int> unchecked;  // results left out
};

}  // namespace

class SweepWindowTest : public QObject, FormulaDialogFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void SweepsTheGearFormulaIntoATableAndAChart();
    void BadEntriesAreSaidAndTheDialogStaysOpen();
    void SavesAndPrintsTheTable();
    void AnEngineMessageStopsTheSweepAndSaysWhere();

private:
    void Open(const QString& formula);
    QAbstractButton& SweepButton() const { return In<QAbstractButton>(*dialog_, id::formula::kSweep); }
    // Types `settings` into the sweep dialog as the button opens it.
    void Answer(const Settings& settings);
    // Runs a sweep with `settings`; the window it opened, or null.
    QDialog* Sweep(const Settings& settings);
    QString Cell(const QDialog& window, int row, int column) const;
    QLineSeries& Series(const QDialog& window) const;
};

void SweepWindowTest::init()
{
    MakeHome();
    QDir().mkpath(Library(u"齿轮"_s));
    for (const QString& formula : {kGear, kShiftedGears}) {
        QVERIFY(QFile::copy(QFile::decodeName(ORVIK_STARTER_LIBRARY_DIR) + u"/齿轮/"_s + formula + u".tfl"_s,
                            Library(u"齿轮/"_s + formula + u".tfl"_s)));
    }
    QVERIFY(ShowDialog());
    QVERIFY(!SweepButton().isEnabled());  // nothing open
    Open(kGear);
    QVERIFY(SweepButton().isEnabled());
}

void SweepWindowTest::Open(const QString& formula)
{
    auto& tree = In<FormulaTreeCtrl>(*dialog_, id::formula::kTree);
    QTreeWidgetItem* gears = tree.topLevelItem(0)->child(0);
    gears->setExpanded(true);
    for (int i = 0; i < gears->childCount(); ++i) {
        if (gears->child(i)->text(0) == formula + u' ')
            tree.setCurrentItem(gears->child(i));
    }
    dialog_->OpenFormula();
}

void SweepWindowTest::cleanup()
{
    RemoveHome();
}

void SweepWindowTest::Answer(const Settings& settings)
{
    port_.inspect_dialog = [settings](QDialog& dialog) {
        namespace ids = id::sweep;
        if (!settings.input.isEmpty()) {
            auto& input = In<QComboBox>(dialog, ids::kInput);
            input.setCurrentIndex(input.findText(settings.input));
        }
        In<QRadioButton>(dialog, settings.logarithmic ? ids::kLogarithmic : ids::kLinear).setChecked(true);
        In<QRadioButton>(dialog, settings.by_count ? ids::kByCount : ids::kByStep).setChecked(true);
        In<QLineEdit>(dialog, ids::kFrom).setText(settings.from);
        In<QLineEdit>(dialog, ids::kTo).setText(settings.to);
        In<QLineEdit>(dialog, settings.by_count ? ids::kCount : ids::kStep).setText(settings.amount);
        const QList<QCheckBox*> results = In<QGroupBox>(dialog, ids::kResults).findChildren<QCheckBox*>();
        for (const int unchecked : settings.unchecked)
            results[unchecked]->setChecked(false);
        In<QAbstractButton>(dialog, id::kOk).click();
    };
}

QDialog* SweepWindowTest::Sweep(const Settings& settings)
{
    const QList<QDialog*> before = dialog_->findChildren<QDialog*>(QString::number(id::sweep_result::kWindow));
    Answer(settings);
    SweepButton().click();
    for (QDialog* window : dialog_->findChildren<QDialog*>(QString::number(id::sweep_result::kWindow))) {
        if (!before.contains(window))
            return window;
    }
    return nullptr;
}

QString SweepWindowTest::Cell(const QDialog& window, int row, int column) const
{
    const QAbstractItemModel& model = *In<QTableView>(window, id::sweep_result::kTable).model();
    return model.index(row, column).data().toString();
}

QLineSeries& SweepWindowTest::Series(const QDialog& window) const
{
    QChart& chart = *In<SweepChartView>(window, id::sweep_result::kChart).chart();
    if (chart.series().size() != 1)
        qFatal("one line expected");
    return *qobject_cast<QLineSeries*>(chart.series().front());
}

void SweepWindowTest::SweepsTheGearFormulaIntoATableAndAChart()
{
    const int count = engine_->Variables().Count();
    // m from 1 to 5 by 0.5; d=m*z and da=d+2*ha*m shown, z left at 20.
    QDialog* window = Sweep({{}, u"1"_s, u"5"_s, u"0.5"_s, false, false, {1, 3, 4, 5, 6, 7}});
    QVERIFY(window && window->isVisible());
    QCOMPARE(port_.dialogs, QStringList{u"参数扫描"_s});
    QCOMPARE(port_.messages, QStringList{});
    QCOMPARE(In<QLabel>(*window, id::sweep_result::kSettings).text(),
             u"参数扫描: 标准直齿圆柱齿轮几何尺寸, m 从 1 到 5, 步长 0.5, 9 点"_s);
    const QAbstractItemModel& table = *In<QTableView>(*window, id::sweep_result::kTable).model();
    QCOMPARE(table.rowCount(), 9);
    QCOMPARE(table.columnCount(), 3);
    QCOMPARE(table.headerData(2, Qt::Horizontal).toString(), u"da"_s);
    QCOMPARE(table.headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(), u"da=d+2*ha*m"_s);
    QCOMPARE(Cell(*window, 1, 0), u"1.500000"_s);
    QCOMPARE(Cell(*window, 1, 2), u"33.000000"_s);
    QCOMPARE(Cell(*window, 8, 1), u"100.000000"_s);

    QLineSeries& line = Series(*window);
    QCOMPARE(line.count(), 9);
    QVERIFY(line.pointsVisible());
    QCOMPARE(line.attachedAxes()[0]->titleText(), u"m"_s);
    QCOMPARE(line.attachedAxes()[1]->titleText(), u"d"_s);
    auto& plotted = In<QComboBox>(*window, id::sweep_result::kPlotted);
    plotted.setCurrentIndex(1);
    QCOMPARE(Series(*window).at(8).y(), 110.0);
    QCOMPARE(Series(*window).attachedAxes()[1]->titleText(), u"da"_s);

    // The table the user sees is as it was; so are the shown results.
    QCOMPARE(engine_->Variables().Count(), count);
    QCOMPARE(engine_->Variables()[1].value, 2.0);

    QDialog* spread = Sweep({{}, u"0.1"_s, u"100"_s, u"60"_s, true, true, {}});
    QVERIFY(spread);
    QCOMPARE(Series(*spread).count(), 60);
    QVERIFY(!Series(*spread).pointsVisible());
    QVERIFY(qobject_cast<QLogValueAxis*>(Series(*spread).attachedAxes()[0]));
    QCOMPARE(Cell(*spread, 59, 0), u"100.000000"_s);
}

void SweepWindowTest::BadEntriesAreSaidAndTheDialogStaysOpen()
{
    QList<int> results;
    port_.inspect_dialog = [&](QDialog& dialog) {
        namespace ids = id::sweep;
        auto& step = In<QLineEdit>(dialog, ids::kStep);
        auto& ok = In<QAbstractButton>(dialog, id::kOk);
        for (const QString& text : {u"0"_s, u"abc"_s, u"-1"_s}) {
            step.setText(text);
            ok.click();
            results << dialog.result();
        }
        In<QRadioButton>(dialog, ids::kLogarithmic).setChecked(true);
        QCOMPARE(In<QRadioButton>(dialog, ids::kByStep).text(), u"倍率"_s);
        In<QLineEdit>(dialog, ids::kFrom).setText(u"0"_s);
        ok.click();
        for (QCheckBox* box : In<QGroupBox>(dialog, ids::kResults).findChildren<QCheckBox*>())
            box->setChecked(false);
        QVERIFY(!ok.isEnabled());  // nothing to show
    };
    SweepButton().click();
    QCOMPARE(port_.messages, (QStringList{u"步长不能为0"_s, u"步长不是一个数"_s, u"步长的正负与扫描方向不符"_s,
                                          u"对数刻度的起始值和终止值必须大于0"_s}));
    QCOMPARE(results, (QList<int>{QDialog::Rejected, QDialog::Rejected, QDialog::Rejected}));
    QVERIFY(!dialog_->findChild<QDialog*>(QString::number(id::sweep_result::kWindow)));

    // While a formula is edited there is nothing to sweep.
    emit In<FormulaTreeCtrl>(*dialog_, id::formula::kTree).CommandChosen(id::formula::kEditFormula);
    QVERIFY(!SweepButton().isEnabled());
}

void SweepWindowTest::SavesAndPrintsTheTable()
{
    QDialog* window = Sweep({{}, u"1"_s, u"2"_s, u"0.5"_s, false, false, {2, 3, 4, 5, 6, 7}});
    QVERIFY(window);
    const QString csv = dir_->filePath(u"扫描.csv"_s);
    const QString png = dir_->filePath(u"扫描.png"_s);
    port_.chosen_files = {csv, png, dir_->filePath(u"无此目录/扫描.csv"_s), QString()};
    In<QAbstractButton>(*window, id::sweep_result::kSaveTable).click();
    In<QAbstractButton>(*window, id::sweep_result::kSaveImage).click();
    In<QAbstractButton>(*window, id::sweep_result::kSaveTable).click();
    In<QAbstractButton>(*window, id::sweep_result::kSaveImage).click();  // cancelled: nothing said
    QCOMPARE(port_.messages, (QStringList{u"保存成功"_s, u"保存成功"_s, u"打不开文件"_s}));
    QCOMPARE(port_.file_choices[0].directory, dir_->filePath(u"标准直齿圆柱齿轮几何尺寸-m扫描.csv"_s));
    QFile table(csv);
    QVERIFY(table.open(QIODevice::ReadOnly));
    // The engine's degree is 0.01745329251994 radians.
    QCOMPARE(table.readAll(), QByteArray("\xEF\xBB\xBFm,d=m*z,db=d*cos(\xCE\xB1)\r\n"
                                         "1,20,18.793852415718618\r\n"
                                         "1.5,30,28.190778623577931\r\n"
                                         "2,40,37.587704831437236\r\n"));
    QFile image(png);
    QVERIFY(image.open(QIODevice::ReadOnly));
    QVERIFY(image.readAll().startsWith("\x89PNG"));

    In<QAbstractButton>(*window, id::sweep_result::kPrint).click();
    QCOMPARE(start_.started.size(), size_t{1});
    QFile printed(dir_->filePath(u"__temp1"_s));
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QCOMPARE(FromGbk(printed.readAll().toStdString()),
             u"参数扫描: 标准直齿圆柱齿轮几何尺寸, m 从 1 到 2, 步长 0.5, 3 点\r\n\r\n"
             u"Input: \r\nz = 20.000000 \r\nα = 20.000000 \r\nha = 1.000000 \r\nc = 0.250000 \r\n\r\n"
             u"process: \r\nm\td=m*z\tdb=d*cos(α)\r\n1.000000\t20.000000\t18.793852\r\n"
             u"1.500000\t30.000000\t28.190779\r\n2.000000\t40.000000\t37.587705\r\n"_s);
}

void SweepWindowTest::AnEngineMessageStopsTheSweepAndSaysWhere()
{
    // The working pressure angle has no solution once x1 + x2 is below about -1.2.
    Open(kShiftedGears);
    QDialog* window = Sweep({u"x1"_s, u"0.5"_s, u"-4.5"_s, u"-1"_s, false, false, {}});
    QCOMPARE(port_.messages, QStringList{u"参数扫描在第4点(x1=-2.500000)停止:\n用于求渐开线反函数的值小于0，\n"
                                         u"可能是给定参数不合理造成的或公式有不完善的地方"_s});
    QVERIFY(window);
    QCOMPARE(In<QTableView>(*window, id::sweep_result::kTable).model()->rowCount(), 3);
}

}  // namespace orvik

QTEST_MAIN(orvik::SweepWindowTest)
#include "sweep_window_test.moc"
