// Solving the formula shown backwards, and taking a root into its input.
#include <QPushButton>

#include "engine/number_format.h"
#include "library/formula_dialog.h"
#include "library/solve_dialog.h"
#include "library/solve_result_window.h"
#include "platform/port_engine_host.h"
#include "platform/user_port.h"

namespace orvik {

// The search asks its own questions through the port; its engine
// messages only count points without a value.
void FormulaDialog::Solve()
{
    if (!solve_->isEnabled() || !EnterTypedCells())
        return;
    SolveDialog settings(sheet_, port_, this);
    if (port_.RunDialog(settings) != QDialog::Accepted)
        return;
    PortEngineHost host(port_);
    const int row = settings.Plan().input_row;
    auto* window = new SolveResultWindow(RunSolve(sheet_, settings.Plan(), host), this);
    connect(window, &SolveResultWindow::RootAdopted, this, [this, row](double value) { AdoptRoot(row, value); });
    window->show();
}

// As if typed into the cell and entered, then 计算. A plain decimal, which
// the engine reads whatever its size.
void FormulaDialog::AdoptRoot(int row, double value)
{
    sheet_.SetCell(row, FormatFixed(value, 17));
    EnterValue(row);
    Compute();
}

}  // namespace orvik
