#pragma once

#include <QDialog>

#include "library/core/formula_solve.h"
#include "library/settings_controls.h"

class QComboBox;
class QLineEdit;

namespace orvik {

class FormulaSheet;
class UserPort;

// Dialog 170 "反求": which variable of the open formula is to take which
// target value, by changing which input, searched over which range (by
// default a tenth to ten times the input's value). The target and the ends
// of the range may be expressions, as in a value cell. OK takes the
// entries only when they make a search; otherwise it says what is wrong
// and stays open.
class SolveDialog : public QDialog {
    Q_OBJECT
public:
    SolveDialog(const FormulaSheet& sheet, UserPort& port, QWidget* parent = nullptr);

    // After OK.
    const SolvePlan& Plan() const { return plan_; }

    void accept() override;

private:
    void ProposeRange();

    const FormulaSheet& sheet_;
    UserPort& port_;
    QComboBox* result_ = nullptr;
    QLineEdit* target_ = nullptr;
    InputRangeRows range_;
    SolvePlan plan_;
};

}  // namespace orvik
