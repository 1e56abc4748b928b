#pragma once

#include <QChartView>

namespace orvik {

struct ResultFigures;

// The Monte Carlo samples of one result as a histogram, with the range of
// the worst case and that of RSS drawn as brackets above it and the
// nominal value as a line.
class ToleranceHistogramView : public QChartView {
    Q_OBJECT
public:
    static constexpr int kBins = 50;

    explicit ToleranceHistogramView(QWidget* parent = nullptr);

    void Plot(const QString& name, const ResultFigures& figures);
};

}  // namespace orvik
