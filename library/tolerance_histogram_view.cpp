#include "library/tolerance_histogram_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QAreaSeries>
#include <QLineSeries>
#include <QValueAxis>

#include "library/chart_parts.h"
#include "library/core/sample_statistics.h"
#include "library/core/tolerance_methods.h"

namespace orvik {
namespace {

using namespace Qt::StringLiterals;

// The bars' outline: up and down each bin's edges.
QLineSeries* BarOutline(const std::vector<int>& counts, double from, double to)
{
    auto* outline = new QLineSeries;
    const double width = (to - from) / static_cast<double>(counts.size());
    outline->append(from, 0);
    for (size_t i = 0; i < counts.size(); ++i) {
        outline->append(from + width * static_cast<double>(i), counts[i]);
        outline->append(from + width * static_cast<double>(i + 1), counts[i]);
    }
    outline->append(to, 0);
    return outline;
}

// A bracket over a range at `height`; a range of no width is a line.
QLineSeries* Bracket(const QString& name, double low, double high, double height, const QPen& pen)
{
    auto* bracket = new QLineSeries;
    bracket->setName(name);
    bracket->setPen(pen);
    bracket->append({{low, 0}, {low, height}, {high, height}, {high, 0}});
    return bracket;
}

}  // namespace

ToleranceHistogramView::ToleranceHistogramView(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(Qt::white);
    chart()->legend()->setAlignment(Qt::AlignBottom);
}

void ToleranceHistogramView::Plot(const QString& name, const ResultFigures& figures)
{
    QChart& chart = *this->chart();
    ClearChart(chart);
    const double rss_low = figures.rss_centre - figures.rss_half_width;
    const double rss_high = figures.rss_centre + figures.rss_half_width;
    std::vector<double> shown = {figures.worst_min, figures.worst_max, rss_low, rss_high, figures.nominal};
    if (!figures.samples.empty()) {
        const auto [min, max] = std::minmax_element(figures.samples.begin(), figures.samples.end());
        shown.insert(shown.end(), {*min, *max});
    }
    const auto [from, to] = AxisSpan(shown);
    const std::vector<int> counts = CountInBins(figures.samples, from, to, kBins);
    const double top = std::max(1, *std::max_element(counts.begin(), counts.end())) * 1.15;

    auto* bars = new QAreaSeries(BarOutline(counts, from, to));
    bars->setName(u"蒙特卡洛样本"_s);
    bars->setColor(QColor(150, 190, 230));
    bars->setBorderColor(QColor(70, 110, 170));
    const struct {
        QString name;
        double low, high, height;
        QPen pen;
    } marks[] = {
        {u"最坏情况"_s, figures.worst_min, figures.worst_max, top / 1.05, QPen(Qt::red, 2, Qt::DashLine)},
        {u"RSS"_s, rss_low, rss_high, top / 1.1, QPen(QColor(0, 0, 200), 2, Qt::DashDotLine)},
        {u"名义值"_s, figures.nominal, figures.nominal, top, QPen(QColor(0, 140, 0), 2)},
    };
    std::vector<QAbstractSeries*> series = {bars};
    for (const auto& mark : marks) {
        if (std::isfinite(mark.low) && std::isfinite(mark.high))
            series.push_back(Bracket(mark.name, mark.low, mark.high, mark.height, mark.pen));
    }
    auto* x = RoundTickAxis(from, to, name);
    auto* y = RoundTickAxis(0, top, u"样本数"_s);
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* each : series) {
        chart.addSeries(each);
        each->attachAxis(x);
        each->attachAxis(y);
    }
}

}  // namespace orvik
