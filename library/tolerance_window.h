#pragma once

#include <optional>
#include <vector>

#include <QDialog>

#include "library/core/tolerance_analysis.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace orvik {

class FormulaSheet;
class ProcessStart;
class ToleranceHistogramView;
class UserPort;

// Window 165 "公差分析": the open formula's inputs with their values and a
// tolerance each (empty: the value is kept), the distribution and the
// number of samples; 计算 fills the results table, one row per variable
// that the statements assign, and shows a chosen result's histogram and
// each input's share of its RSS variance. The table is saved as CSV and
// printed through the print companion. Modal over the formula dialog,
// shown without a loop of its own: it closes and deletes itself. The
// formula's variables keep their values.
class ToleranceWindow : public QDialog {
    Q_OBJECT
public:
    ToleranceWindow(const FormulaSheet& sheet, UserPort& port, ProcessStart& start, QWidget* parent = nullptr);

    void Compute();
    void SaveTable();
    void Print();

private:
    QWidget* CreateInputs();
    QWidget* CreateSettings();
    QWidget* CreateResults();
    QWidget* CreateButtons();
    // The range a row's tolerance gives its input, or what is wrong with it.
    void ShowRange(int row);
    // The tolerances and settings as entered; nullopt after the message
    // about the first entry that is wrong.
    std::optional<TolerancePlan> ReadPlan();
    void ShowResults();
    // The histogram and the sensitivity table of one result.
    void ShowResult(int index);

    const FormulaSheet& sheet_;
    UserPort& port_;
    ProcessStart& start_;
    std::vector<int> rows_;       // the sheet's input rows, one per row of the inputs table
    std::vector<double> values_;  // each input's value as computing takes it
    QTableWidget* inputs_ = nullptr;
    QRadioButton* normal_ = nullptr;
    QLineEdit* samples_ = nullptr;
    QTableWidget* results_ = nullptr;
    QComboBox* shown_ = nullptr;
    ToleranceHistogramView* histogram_ = nullptr;
    QTableWidget* sensitivity_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
    std::optional<ToleranceResult> result_;
};

}  // namespace orvik
