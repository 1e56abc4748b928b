#pragma once

#include <vector>

#include <QDialog>

#include "library/core/formula_sweep.h"
#include "library/settings_controls.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvik {

class FormulaSheet;
class UserPort;

// Dialog 160 "参数扫描": which input of the open formula to vary, from
// where to where, by a step or a number of points, on a linear or a
// logarithmic axis, and which results to show. OK takes the entries only
// when they make a sweep; otherwise it says what is wrong and stays open.
class SweepDialog : public QDialog {
    Q_OBJECT
public:
    SweepDialog(const FormulaSheet& sheet, UserPort& port, QWidget* parent = nullptr);

    // After OK: the sweep and the statements whose results are shown.
    const SweepPlan& Plan() const { return plan_; }
    const std::vector<int>& ChosenStatements() const { return chosen_; }

    void accept() override;

private:
    void CreateControls();
    QWidget* CreateResultBoxes();
    // The range around the chosen input's value: from it to twice it.
    void ProposeRange();
    void ProposeStep();
    void ShowSpacing();
    void EnableOk();

    const FormulaSheet& sheet_;
    UserPort& port_;
    InputRangeRows range_;
    QRadioButton* by_step_ = nullptr;
    QLineEdit* step_ = nullptr;
    QRadioButton* by_count_ = nullptr;
    QLineEdit* count_ = nullptr;
    QRadioButton* logarithmic_ = nullptr;
    std::vector<QCheckBox*> results_;
    QPushButton* ok_ = nullptr;
    SweepPlan plan_;
    std::vector<int> chosen_;
};

}  // namespace orvik
