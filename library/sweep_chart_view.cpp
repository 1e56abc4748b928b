#include "library/sweep_chart_view.h"

#include <cmath>

#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>

#include "library/chart_parts.h"
#include "library/core/formula_sweep.h"
#include "library/core/sweep_text.h"
#include "platform/gbk_qt.h"

namespace orvik {
namespace {

// Infinite and undefined results leave a gap in the table's order rather
// than a line to nowhere.
QList<QPointF> FinitePoints(const std::vector<double>& x, const std::vector<double>& y)
{
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(x.size()));
    for (size_t i = 0; i < x.size(); ++i) {
        if (std::isfinite(x[i]) && std::isfinite(y[i]))
            points.append({x[i], y[i]});
    }
    return points;
}

// The input's axis: logarithmic in decades, or linear with its ticks at
// round values.
QAbstractAxis* InputAxis(SweepSpacing spacing, double min, double max, const QString& title)
{
    if (spacing == SweepSpacing::Linear)
        return RoundTickAxis(min, max, title);
    auto* axis = new QLogValueAxis;
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setMinorTickCount(-1);
    axis->setRange(min, max);
    axis->setTitleText(title);
    return axis;
}

}  // namespace

SweepChartView::SweepChartView(const SweepResult& result, QWidget* parent) : QChartView(parent), result_(result)
{
    setRenderHint(QPainter::Antialiasing);
    // The saved picture is the view: white to its edges, not the window's colour.
    setBackgroundBrush(Qt::white);
    chart()->legend()->hide();
}

void SweepChartView::Plot(int statement)
{
    QChart& chart = *this->chart();
    ClearChart(chart);
    const QList<QPointF> points = FinitePoints(result_.inputs, result_.results[statement]);
    auto* series = new QLineSeries;
    series->replace(points);
    series->setPointsVisible(result_.PointCount() <= kMarkedPointsMax);
    chart.addSeries(series);

    const auto [x_min, x_max] = AxisSpan(result_.inputs);
    QAbstractAxis* x = InputAxis(result_.range.spacing, x_min, x_max, FromGbk(result_.input_name));
    auto* y = new QValueAxis;
    const auto [y_min, y_max] = AxisSpan(result_.results[statement]);
    y->setRange(y_min, y_max);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%g"));
    y->setTitleText(FromGbk(SweepResultName(result_.statements[statement])));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

}  // namespace orvik
