#pragma once

#include <QChartView>

namespace orvik {

struct SweepResult;

// The line of one result of a sweep over the varied input, the axes named
// after them; on a logarithmic axis when the points were spread so, with
// the points marked when there are few enough to tell apart.
class SweepChartView : public QChartView {
    Q_OBJECT
public:
    static constexpr int kMarkedPointsMax = 50;

    SweepChartView(const SweepResult& result, QWidget* parent = nullptr);

    void Plot(int statement);

private:
    const SweepResult& result_;
};

}  // namespace orvik
