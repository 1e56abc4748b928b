#pragma once

#include <array>
#include <optional>
#include <string>

#include <QDialog>

#include "library/core/formula_sheet.h"
#include "library/library_store.h"
#include "platform/anchored_layout.h"
#include "platform/program_directory.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace orvik {

class EditableListCtrl;
class Engine;
class FormulaTreeCtrl;
class FormulaVariablesModel;
class ProcessStart;
class UserPort;

// Dialog 146 "公式计算": the formula library's tree, the open formula's
// statements with their results, its variables in an editable list and its
// description; formulas are computed, printed, saved as text, created and
// edited here. The formula's variables are entries of the engine's table
// appended after those that existed when the dialog opened; on closing the
// user decides whether they stay (VariablesKept) or go.
class FormulaDialog : public QDialog {
    Q_OBJECT
public:
    enum class Editing { None, NewFormula, ExistingFormula };

    FormulaDialog(Engine& engine, UserPort& port, ProcessStart& start, QWidget* parent = nullptr,
                  std::string library = LibraryDirectory());

    Editing EditingState() const { return editing_; }
    // The formula shown or being edited; empty when there is none.
    const std::string& CurrentFormulaPath() const { return current_path_; }
    const FormulaSheet& Sheet() const { return sheet_; }

    // The commands: double click and 打开公式, 计算 (1087), 新建公式,
    // 编辑公式, 1087 while editing, the letter list, 打印 and 保存.
    void OpenFormula();
    // Opens a formula file wherever it lies (one named on the command line).
    void OpenFormulaFile(const std::string& path);
    void Compute();
    void NewFormula();
    void EditFormula();
    // False while the dialog goes on editing: after Cancel, or when the
    // edit could not be saved.
    bool EndEditing();
    void InsertLetter(int index);
    void Print();
    void SaveResults();
    // 参数扫描: the settings, then the sweep, then its window (its child).
    void Sweep();
    // 反求: the settings, then the search, then its window (its child),
    // whose 采用 enters the root chosen into the input's cell and computes.
    void Solve();
    // 公差分析: its window (its child), on the cells as computing takes them.
    void Tolerance();

signals:
    // The user chose to keep the formula's variables for free calculation.
    void VariablesKept();

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // At least; wider for the widest result shown.
    static constexpr int kResultColumnWidth = 100;

    // Construction (formula_dialog.cpp).
    void CreateControls();
    void CreateLists(const QRect& statements_place, const QRect& variables_place);
    QPlainTextEdit* PlaceTextBox(QPlainTextEdit* box, int id, const QRect& place, AnchoredLayout::Shares shares);
    QPushButton* AddButton(int id, const QString& caption, const QRect& place);
    void ConnectCommands();
    void RunLibraryCommand(int id);
    // The file of the selected formula for open or edit; nullopt when the
    // command is refused while editing (after its message) or no formula
    // is selected.
    std::optional<std::string> SelectedFormulaFor(int command);

    // Computing (formula_dialog_calculation.cpp).
    void ShowStatements();
    void ShowVariables();
    void ShowDescription();
    void EnterValue(int row);
    void ShowMessages(const FormulaSheet::OpenResult& result);
    // Printing and saving need an open formula, sweeping, solving and
    // tolerance analysis one with an input and a statement, and no edit in
    // progress.
    void EnableCommands();
    bool EnterTypedCells();

    // Solving (formula_dialog_solve.cpp).
    void AdoptRoot(int row, double value);

    // Editing (formula_dialog_editing.cpp).
    void BeginEditing(Editing editing, const QString& caption);
    void ShowEditors(bool editing);
    // The three editor texts as stored text; nullopt after a message.
    std::optional<std::array<std::string, 3>> EditedTexts();
    bool SaveEdit();
    bool ChooseFreeName();

    UserPort& port_;
    ProcessStart& start_;
    FormulaSheet sheet_;
    AnchoredLayout* layout_ = nullptr;
    FormulaTreeCtrl* tree_;
    LibraryStore store_;
    FormulaVariablesModel* variables_model_ = nullptr;
    QTableWidget* statements_ = nullptr;
    QPlainTextEdit* statements_editor_ = nullptr;
    EditableListCtrl* variables_ = nullptr;
    QPlainTextEdit* definitions_editor_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QPushButton* compute_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* sweep_ = nullptr;
    QPushButton* solve_ = nullptr;
    QPushButton* tolerance_ = nullptr;
    QLabel* letters_label_ = nullptr;
    QComboBox* letters_ = nullptr;
    // Where a chosen letter goes: the editor that last had the focus.
    QPlainTextEdit* insert_target_ = nullptr;
    Editing editing_ = Editing::None;
    std::string current_path_;
};

}  // namespace orvik
