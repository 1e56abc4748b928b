#pragma once

class QAction;
class QButtonGroup;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QWidget;

namespace orvik {

class ChoiceList;
class InputBox;
class NamePickListCtrl;

// The controls of the calculator window that its commands read and write.
// Buttons are found by identifier (FindControl).
struct CalculatorControls {
    QAction* formula_action = nullptr;
    QAction* save_as_formula_action = nullptr;
    QAction* about_action = nullptr;
    QAction* about_telvar_action = nullptr;

    InputBox* input = nullptr;
    QLineEdit* result = nullptr;
    QLineEdit* line_number = nullptr;
    NamePickListCtrl* variables = nullptr;
    ChoiceList* function_list = nullptr;
    ChoiceList* symbol_list = nullptr;

    QButtonGroup* radix = nullptr;        // ids 1070-1073
    QButtonGroup* byte_length = nullptr;  // ids 1076-1079
    QButtonGroup* angle = nullptr;        // ids 1056-1057
    QLabel* byte_length_label = nullptr;
    QCheckBox* immediate = nullptr;
    QCheckBox* multi_line = nullptr;

    QWidget* not_offered = nullptr;  // the last row, kept below the visible area
};

// Lays out every control of the window once, with captions and tooltips,
// on a content widget that it returns.
QWidget* BuildCalculatorControls(QDialog& dialog, CalculatorControls& controls);

}  // namespace orvik
