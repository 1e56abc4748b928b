#include "library/sweep_chart_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>

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

// A range an axis can show of the finite values: a flat line gets room
// above and below, in proportion so that a logarithmic axis stays positive.
std::pair<double, double> Span(const std::vector<double>& values)
{
    double min = std::numeric_limits<double>::infinity();
    double max = -min;
    for (const double v : values) {
        if (std::isfinite(v)) {
            min = std::min(min, v);
            max = std::max(max, v);
        }
    }
    if (min > max)
        return {0, 1};
    if (min < max)
        return {min, max};
    const double margin = min == 0 ? 1 : std::abs(min) / 10;
    return {min - margin, max + margin};
}

// Ticks at whole multiples of 1, 2 or 5 times a power of ten, about five
// across, however the range itself begins and ends.
double TickInterval(double span)
{
    const double rough = span / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= rough)
            return factor * magnitude;
    }
    return 10 * magnitude;
}

// The input's axis: logarithmic in decades, or linear with its ticks at
// round values.
QAbstractAxis* InputAxis(SweepSpacing spacing, double span)
{
    if (spacing == SweepSpacing::Logarithmic) {
        auto* axis = new QLogValueAxis;
        axis->setLabelFormat(QStringLiteral("%g"));
        axis->setMinorTickCount(-1);
        return axis;
    }
    auto* axis = new QValueAxis;
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(TickInterval(span));
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
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    const QList<QPointF> points = FinitePoints(result_.inputs, result_.results[statement]);
    auto* series = new QLineSeries;
    series->replace(points);
    series->setPointsVisible(result_.PointCount() <= kMarkedPointsMax);
    chart.addSeries(series);

    const auto [x_min, x_max] = Span(result_.inputs);
    QAbstractAxis* x = InputAxis(result_.range.spacing, x_max - x_min);
    x->setRange(x_min, x_max);
    x->setTitleText(FromGbk(result_.input_name));
    auto* y = new QValueAxis;
    const auto [y_min, y_max] = Span(result_.results[statement]);
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
