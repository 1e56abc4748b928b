#include "library/chart_parts.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QChart>
#include <QValueAxis>

namespace orvik {
namespace {

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

}  // namespace

std::pair<double, double> AxisSpan(std::span<const double> values)
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

QValueAxis* RoundTickAxis(double min, double max, const QString& title)
{
    auto* axis = new QValueAxis;
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(TickInterval(max - min));
    axis->setRange(min, max);
    axis->setTitleText(title);
    return axis;
}

void ClearChart(QChart& chart)
{
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
}

}  // namespace orvik
