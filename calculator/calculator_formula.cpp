// 公式计算: the formula dialog, modal over the window. Variables the user
// keeps from it show in the window's list.
#include "calculator/calculator_dialog.h"
#include "library/formula_dialog.h"
#include "platform/user_port.h"

namespace orvik {

void CalculatorDialog::OpenFormulaDialog()
{
    FormulaDialog dialog(engine_, port_, *process_start_, this);
    connect(&dialog, &FormulaDialog::VariablesKept, this, &CalculatorDialog::RefreshVariableList);
    port_.RunDialog(dialog);
}

}  // namespace orvik
