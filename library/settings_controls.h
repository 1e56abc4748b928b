#pragma once

#include <QString>

class QComboBox;
class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLineEdit;

namespace orvik {

class FormulaSheet;

// What the settings of a sweep and of solving have in common.

// 确定 and 取消 for the foot of the dialog, with their identifiers, wired to
// accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

// The rows 变量, 起始值 and 终止值: which input of the formula to vary
// (each item holds its row of the variable list) over which range.
struct InputRangeRows {
    QComboBox* input = nullptr;
    QLineEdit* from = nullptr;
    QLineEdit* to = nullptr;
};
InputRangeRows AddInputRangeRows(QFormLayout& form, const FormulaSheet& sheet);

// A number to start from, with six digits; a range of two.
QString ProposedNumber(double v);
void ShowProposedRange(const InputRangeRows& rows, double from, double to);

}  // namespace orvik
