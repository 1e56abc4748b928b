#include "library/solve_result_window.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include "engine/number_format.h"
#include "library/command_captions.h"
#include "library/result_window.h"
#include "library/sweep_chart_view.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::solve_result;

namespace {

QString Number(double v)
{
    return QString::fromStdString(FormatGeneral(v, 15));
}

// The target across the range, and the roots, or without one the point
// closest to the target, as dots; the value axis reaches the target even
// where the result does not.
void MarkSolution(QChart& chart, const SolveResult& result)
{
    QAbstractAxis* x = chart.axes(Qt::Horizontal).front();
    auto* y = qobject_cast<QValueAxis*>(chart.axes(Qt::Vertical).front());
    const double target = result.plan.target;
    y->setRange(std::min(y->min(), target), std::max(y->max(), target));
    y->applyNiceNumbers();

    auto* level = new QLineSeries;
    level->append(result.plan.from, target);
    level->append(result.plan.to, target);
    level->setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    auto* dots = new QScatterSeries;
    dots->setMarkerSize(9);
    dots->setColor(result.HasRoots() ? Qt::red : Qt::darkYellow);
    for (const RootPoint& root : result.search.roots)
        dots->append(root.x, root.value);
    if (!result.HasRoots() && result.search.has_closest)
        dots->append(result.search.closest.x, result.search.closest.value);
    for (QXYSeries* series : {static_cast<QXYSeries*>(level), static_cast<QXYSeries*>(dots)}) {
        chart.addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

}  // namespace

SolveResultWindow::SolveResultWindow(SolveResult result, QWidget* parent)
    : QDialog(parent, Qt::Window), result_(std::move(result)), curve_(SolveCurve(result_))
{
    FrameResultWindow(*this, ids::kWindow, caption::ResultWindowTitle(caption::kSolve, FromGbk(result_.formula)), QSize(900, 560));

    auto* summary = new QLabel(FromGbk(SolveSummaryText(result_)));
    SetControlId(*summary, ids::kSummary);
    summary->setWordWrap(true);
    auto* chart = WithControlId(new SweepChartView(curve_), ids::kChart);
    chart->Plot(0);
    MarkSolution(*chart->chart(), result_);
    auto* splitter = new QSplitter;
    splitter->addWidget(CreateRootTable());
    splitter->addWidget(chart);
    splitter->setSizes({330, 570});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(splitter, 1);
    layout->addWidget(CreateButtons());
}

// One row per root: the input's value and the result's, with the digits a
// double holds that matter.
QTableWidget* SolveResultWindow::CreateRootTable()
{
    const std::vector<RootPoint>& roots = result_.search.roots;
    roots_ = WithControlId(new QTableWidget(static_cast<int>(roots.size()), 2), ids::kRoots);
    roots_->setHorizontalHeaderLabels({FromGbk(result_.input_name), FromGbk(result_.plan.result)});
    roots_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    roots_->setSelectionBehavior(QAbstractItemView::SelectRows);
    roots_->setSelectionMode(QAbstractItemView::SingleSelection);
    roots_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int row = 0; row < roots_->rowCount(); ++row) {
        const double values[] = {roots[row].x, roots[row].value};
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem(Number(values[column]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            roots_->setItem(row, column, item);
        }
    }
    connect(roots_, &QTableWidget::itemDoubleClicked, this, &SolveResultWindow::Adopt);
    return roots_;
}

QWidget* SolveResultWindow::CreateButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    adopt_ = WithControlId(new QPushButton(u"采用"_s), ids::kAdopt);
    adopt_->setToolTip(u"把选中的解填入这个输入变量的值并计算"_s);
    connect(adopt_, &QPushButton::clicked, this, &SolveResultWindow::Adopt);
    layout->addWidget(adopt_);
    auto* close = WithControlId(new QPushButton(u"关闭"_s), id::kCancel);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close);
    // A root is always chosen while there is one.
    adopt_->setEnabled(result_.HasRoots());
    if (result_.HasRoots())
        roots_->selectRow(0);
    adopt_->setDefault(result_.HasRoots());
    return row;
}

void SolveResultWindow::Adopt()
{
    const int row = roots_->currentRow();
    if (row < 0 || row >= static_cast<int>(result_.search.roots.size()))
        return;
    emit RootAdopted(result_.search.roots[row].x);
    close();
}

}  // namespace orvik
