#include "library/sweep_chart_view.h"

#include <algorithm>
#include <cmath>

#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>

#include "library/chart_parts.h"
#include "library/core/formula_sweep.h"
#include "library/core/plot_decimation.h"
#include "library/core/sweep_text.h"
#include "platform/gbk_qt.h"

namespace orvik {
namespace {

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
    connect(chart(), &QChart::plotAreaChanged, this, [this] {
        if (series_ && Columns() != shown_columns_)
            ShowPoints();
    });
}

// Pixels across the plot area; before the chart is laid out, across the view.
int SweepChartView::Columns() const
{
    const qreal width = chart()->plotArea().width() > 0 ? chart()->plotArea().width() : qreal(this->width());
    return std::max(1, int(std::ceil(width * devicePixelRatioF())));
}

void SweepChartView::ShowPoints()
{
    shown_columns_ = Columns();
    const std::vector<PlotPoint> points =
        DecimatedPlot(result_.inputs, result_.results[statement_], shown_columns_,
                      result_.range.spacing == SweepSpacing::Logarithmic);
    QList<QPointF> line;
    line.reserve(qsizetype(points.size()));
    for (const PlotPoint& point : points)
        line.append({point.x, point.y});
    series_->replace(line);
}

void SweepChartView::Plot(int statement)
{
    QChart& chart = *this->chart();
    ClearChart(chart);
    statement_ = statement;
    series_ = new QLineSeries;
    ShowPoints();
    series_->setPointsVisible(result_.PointCount() <= kMarkedPointsMax);
    chart.addSeries(series_);

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
    series_->attachAxis(x);
    series_->attachAxis(y);
}

}  // namespace orvik
