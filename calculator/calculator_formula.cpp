// 公式计算: the formula dialog, modal over the window. Variables the user
// keeps from it show in the window's list.
#include <QFile>

#include "calculator/calculator_dialog.h"
#include "library/formula_dialog.h"
#include "platform/user_port.h"

namespace orvik {

void CalculatorDialog::OpenFormulaDialog(const QString& formula_file)
{
    FormulaDialog dialog(engine_, port_, *process_start_, this);
    connect(&dialog, &FormulaDialog::VariablesKept, this, &CalculatorDialog::RefreshVariableList);
    if (!formula_file.isEmpty())
        dialog.OpenFormulaFile(QFile::encodeName(formula_file).toStdString());
    port_.RunDialog(dialog);
}

}  // namespace orvik
