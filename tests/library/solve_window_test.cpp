// Solving backwards from the formula dialog: the settings, the window of
// the roots and the chart, and 采用, which enters a root and computes.
#include <cmath>
#include <numbers>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTest>

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

// The stress in a bolt of diameter d under the force F.
const QString kBolt = u"ORVIK_FILE\r\n[VAR_INIT]\r\nd=5\r\nF=10000\r\n[end]\r\n[EXPRESS]\r\nA=π*d^2/4\r\nσ=F/A\r\n"
                      u"[end]\r\n[COMMENT]\r\n\r\n[end]\r\n"_s;

}  // namespace

class SolveWindowTest : public QObject, FormulaDialogFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void SolvesAdoptsAndComputes();
    void SaysWhatIsWrongAndWhenThereIsNoRoot();

private:
    QAbstractButton& SolveButton() const { return In<QAbstractButton>(*dialog_, id::formula::kSolve); }
    // Types the target into the settings as the button opens them, then
    // presses OK; the window that opened, or null.
    QDialog* Solve(const QString& target);
    QString Result(int row) const { return In<QTableWidget>(*dialog_, id::formula::kStatements).item(row, 1)->text(); }
};

void SolveWindowTest::init()
{
    MakeHome();
    QDir().mkpath(Library(u"螺栓"_s));
    QFile file(Library(u"螺栓/拉应力.tfl"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(ToGbk(kBolt).value()));
    file.close();
    QVERIFY(ShowDialog());
    QVERIFY(!SolveButton().isEnabled());  // nothing open
    auto& tree = In<FormulaTreeCtrl>(*dialog_, id::formula::kTree);
    QTreeWidgetItem* bolts = tree.topLevelItem(0)->child(0);
    bolts->setExpanded(true);  // fills it
    tree.setCurrentItem(bolts->child(0));
    dialog_->OpenFormula();
    QVERIFY(SolveButton().isEnabled());
}

void SolveWindowTest::cleanup()
{
    RemoveHome();
}

QDialog* SolveWindowTest::Solve(const QString& target)
{
    port_.inspect_dialog = [target](QDialog& settings) {
        namespace ids = id::solve;
        QCOMPARE(In<QComboBox>(settings, ids::kResult).currentText(), u"σ"_s);  // the last statement's
        QCOMPARE(In<QComboBox>(settings, ids::kInput).currentText(), u"d"_s);
        QCOMPARE(In<QLineEdit>(settings, ids::kFrom).text(), u"0.5"_s);  // around d = 5
        QCOMPARE(In<QLineEdit>(settings, ids::kTo).text(), u"50"_s);
        In<QLineEdit>(settings, ids::kTarget).setText(target);
        In<QAbstractButton>(settings, id::kOk).click();
    };
    SolveButton().click();
    return dialog_->findChild<QDialog*>(QString::number(id::solve_result::kWindow));
}

void SolveWindowTest::SolvesAdoptsAndComputes()
{
    const int count = engine_->Variables().Count();
    QPointer<QDialog> window = Solve(u"2*60"_s);
    QVERIFY(window && window->isVisible());
    QCOMPARE(port_.messages, QStringList{});
    QCOMPARE(In<QLabel>(*window, id::solve_result::kSummary).text(),
             u"反求: 拉应力, 使 σ = 120, d 从 0.5 到 50\n找到 1 个解"_s);
    const auto& roots = In<QTableWidget>(*window, id::solve_result::kRoots);
    QCOMPARE(roots.rowCount(), 1);
    // d = (4F / (120 π))^0.5
    QCOMPARE(roots.item(0, 0)->text(), u"10.3006453872851"_s);
    // The result's line, the target's and the root's dot.
    QCOMPARE(In<SweepChartView>(*window, id::solve_result::kChart).chart()->series().size(), 3);
    QCOMPARE(engine_->Variables().Count(), count);  // the table the user sees is as it was

    In<QAbstractButton>(*window, id::solve_result::kAdopt).click();
    QTRY_VERIFY(!window);
    QCOMPARE(dialog_->Sheet().Cell(0), u"10.300645"_s.toStdString());
    const double d = 10.300645;
    QCOMPARE(Result(1), QString::asprintf("=%.6f", 10000 / (std::numbers::pi * d * d / 4)));
}

void SolveWindowTest::SaysWhatIsWrongAndWhenThereIsNoRoot()
{
    QVERIFY(!Solve(u"(1+"_s));
    QCOMPARE(port_.messages, QStringList{u"目标值算不出值:\n计算式[(1+]中少了1个')'号"_s});

    // σ only falls as d grows: from 50930 at d = 0.5 to 5.09 at d = 50.
    QDialog* window = Solve(u"1"_s);
    QVERIFY(window);
    QVERIFY(In<QLabel>(*window, id::solve_result::kSummary)
                .text()
                .endsWith(u"没有找到解: d 从 0.5 到 50 时 σ 达不到 1; 最接近时 d = 50, σ = 5.09295817894065"_s));
    QCOMPARE(In<QTableWidget>(*window, id::solve_result::kRoots).rowCount(), 0);
    QVERIFY(!In<QAbstractButton>(*window, id::solve_result::kAdopt).isEnabled());
}

}  // namespace orvik

QTEST_MAIN(orvik::SolveWindowTest)
#include "solve_window_test.moc"
