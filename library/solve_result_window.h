#pragma once

#include <QDialog>

#include "library/core/formula_solve.h"

class QPushButton;
class QTableWidget;

namespace orvik {

// Window 171: the roots a search found, each with the result there, and the
// chart of the result over the range with the target as a line and the
// roots as dots; without a root it says where the result came closest and
// marks that point. 采用 hands the chosen root to the formula dialog and
// closes. Modal over the formula dialog like the sweep's window, shown
// without a loop of its own; it deletes itself when closed.
class SolveResultWindow : public QDialog {
    Q_OBJECT
public:
    SolveResultWindow(SolveResult result, QWidget* parent = nullptr);

    void Adopt();

signals:
    void RootAdopted(double value);

private:
    QTableWidget* CreateRootTable();
    QWidget* CreateButtons();

    const SolveResult result_;
    const SweepResult curve_;  // the chart's line
    QTableWidget* roots_ = nullptr;
    QPushButton* adopt_ = nullptr;
};

}  // namespace orvik
