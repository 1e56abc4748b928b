#pragma once

#include <QChartView>

class QLineSeries;

namespace orvik {

struct SweepResult;

// The line of one result of a sweep over the varied input, the axes named
// after them; on a logarithmic axis when the points were spread so, with
// the points marked when there are few enough to tell apart. The line
// holds only the points its width in pixels can show, so thousands of
// points draw as quickly as a few hundred.
class SweepChartView : public QChartView {
    Q_OBJECT
public:
    static constexpr int kMarkedPointsMax = 50;

    SweepChartView(const SweepResult& result, QWidget* parent = nullptr);

    void Plot(int statement);

private:
    // The points of the plotted result for the chart's present width.
    void ShowPoints();
    int Columns() const;

    const SweepResult& result_;
    int statement_ = 0;
    QLineSeries* series_ = nullptr;
    int shown_columns_ = 0;
};

}  // namespace orvik
