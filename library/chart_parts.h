#pragma once

#include <span>
#include <utility>

#include <QString>

class QChart;
class QValueAxis;

namespace orvik {

// What the charts of the sweep and of the tolerance analysis share.

// A range an axis can show of the finite values: a flat line gets room
// above and below, in proportion so that a logarithmic axis stays positive.
std::pair<double, double> AxisSpan(std::span<const double> values);

// A linear axis from `min` to `max` with its ticks at whole multiples of 1,
// 2 or 5 times a power of ten, about five across, however the range itself
// begins and ends; labels "%g".
QValueAxis* RoundTickAxis(double min, double max, const QString& title);

// The chart without its series and axes, to be drawn anew.
void ClearChart(QChart& chart);

}  // namespace orvik
