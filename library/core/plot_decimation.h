#pragma once

#include <cstddef>
#include <vector>

namespace orvik {

struct PlotPoint {
    double x = 0;
    double y = 0;
};

// Of the finite points (x[i], y[i]) in their order, those a line chart
// `columns` pixels wide needs to look the same: for each pixel column the
// first, the lowest, the highest and the last point that fall into it, so
// a chart of any number of points draws at most four per column. x is
// mapped to columns linearly between its extremes, or in its logarithm on
// a logarithmic axis (where values of 0 and below have no place and are
// left out). Points that are not finite leave a gap in the order, as they
// do in the table.
std::vector<PlotPoint> DecimatedPlot(const std::vector<double>& x, const std::vector<double>& y, int columns,
                                     bool logarithmic);

}  // namespace orvik
