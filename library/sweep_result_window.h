#pragma once

#include <vector>

#include <QDialog>

#include "library/core/formula_sweep.h"

namespace orvik {

class ProcessStart;
class SweepChartView;
class UserPort;

// Window 161: a sweep's table and the chart of one of its results, which
// the drop-down picks; the table is saved as CSV, the chart as PNG, and
// the table printed through the print companion. Modal over the formula
// dialog like every other window of the program, but shown without a
// loop of its own: it closes and deletes itself.
class SweepResultWindow : public QDialog {
    Q_OBJECT
public:
    SweepResultWindow(SweepResult result, std::vector<int> statements, UserPort& port, ProcessStart& start,
                      QWidget* parent = nullptr);

    void SaveTable();
    void SaveImage();
    void Print();

private:
    QWidget* CreateButtons();
    // What saving proposes to call the file.
    QString FileName(const QString& extension) const;

    const SweepResult result_;
    const std::vector<int> statements_;
    UserPort& port_;
    ProcessStart& start_;
    SweepChartView* chart_ = nullptr;
};

}  // namespace orvik
