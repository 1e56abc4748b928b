// Opening, computing, sweeping, printing and saving the formula shown.
#include <algorithm>

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "library/command_captions.h"
#include "library/editable_list_ctrl.h"
#include "library/formula_dialog.h"
#include "library/formula_variables_model.h"
#include "library/suggested_file.h"
#include "library/sweep_dialog.h"
#include "library/sweep_result_window.h"
#include "platform/gbk_qt.h"
#include "platform/port_engine_host.h"
#include "platform/shared_texts.h"
#include "platform/user_port.h"
#include "records/companion_print.h"
#include "records/print_choice_dialog.h"
#include "records/save_report.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

// The formula that is open already is not read again. After a failed read
// no formula counts as open, so the one shown before can be opened anew.
void FormulaDialog::OpenFormula()
{
    const std::optional<std::string> selected = SelectedFormulaFor(id::formula::kOpenFormula);
    if (selected && *selected != current_path_)
        OpenFormulaFile(*selected);
}

void FormulaDialog::OpenFormulaFile(const std::string& path)
{
    variables_->HideEditBox();
    const FormulaSheet::OpenResult result = sheet_.Open(path);
    if (result.status == FormulaReadStatus::NotOpened)
        return;
    ShowStatements();
    ShowVariables();
    ShowDescription();
    if (result.status == FormulaReadStatus::Complete)
        current_path_ = path;
    else
        current_path_.clear();
    EnableCommands();
    ShowMessages(result);
}

void FormulaDialog::ShowMessages(const FormulaSheet::OpenResult& result)
{
    for (const std::string_view message : result.messages)
        port_.ShowMessage(FromGbk(message));
}

// A value typed into a cell counts as entered; one the engine refuses
// stops computing, its text still in the cell.
void FormulaDialog::Compute()
{
    const int selected = variables_->SelectedRow();
    if (!sheet_.Compute()) {
        variables_model_->CellsChanged();
        return;
    }
    ShowStatements();
    ShowVariables();
    if (selected >= 0 && selected < sheet_.RowCount())
        variables_->SelectRow(selected);
}

void FormulaDialog::ShowStatements()
{
    const std::vector<FormulaStatement>& statements = sheet_.Statements();
    statements_->setRowCount(static_cast<int>(statements.size()));
    for (int row = 0; row < statements_->rowCount(); ++row) {
        auto* text = new QTableWidgetItem(FromGbk(statements[row].text));
        text->setToolTip(text->text());  // a long statement is cut at the column's edge
        statements_->setItem(row, 0, text);
        statements_->setItem(row, 1, new QTableWidgetItem(FromGbk(statements[row].result)));
    }
    statements_->resizeColumnToContents(1);
    statements_->setColumnWidth(1, std::max(kResultColumnWidth, statements_->columnWidth(1)));
}

// Outside editing the box shows the description of the formula the lists
// show, none when no formula was read whole.
void FormulaDialog::ShowDescription()
{
    description_->setPlainText(FromGbkLines(sheet_.Description()));
}

void FormulaDialog::ShowVariables()
{
    variables_model_->Reset();
}

void FormulaDialog::EnterValue(int row)
{
    if (sheet_.EnterValue(row, sheet_.Cell(row)))
        variables_model_->CellChanged(row);
}

void FormulaDialog::EnableCommands()
{
    print_->setEnabled(sheet_.IsOpen());
    save_->setEnabled(sheet_.IsOpen());
    bool has_input = false;
    for (int row = 0; row < sheet_.RowCount() && !has_input; ++row)
        has_input = sheet_.IsInputRow(row);
    const bool can_vary = sheet_.IsOpen() && has_input && !sheet_.Statements().empty() && editing_ == Editing::None;
    sweep_->setEnabled(can_vary);
    solve_->setEnabled(can_vary);
    tolerance_->setEnabled(can_vary);
}

void FormulaDialog::Print()
{
    if (!sheet_.IsOpen())
        return;
    if (const std::optional<PrintChoice> choice = AskPrintChoice(port_, this))
        PrintThroughCompanion(FormulaPrintText(sheet_.Print(), *choice), start_, port_);
}

// The sweep asks its own questions through the port; its engine messages
// are kept for one message that says where it stopped.
// Cells typed into without Enter count as entered, as 计算 takes them.
bool FormulaDialog::EnterTypedCells()
{
    const bool entered = sheet_.EnterTypedCells();
    variables_model_->CellsChanged();
    return entered;
}

void FormulaDialog::Sweep()
{
    if (!sweep_->isEnabled() || !EnterTypedCells())
        return;
    SweepDialog settings(sheet_, port_, this);
    if (port_.RunDialog(settings) != QDialog::Accepted)
        return;
    PortEngineHost host(port_);
    SweepResult result = RunSweep(sheet_, settings.Plan(), host);
    if (result.Stopped())
        port_.ShowMessage(FromGbk(SweepStopMessage(result)));
    if (result.PointCount() == 0)
        return;
    auto* window = new SweepResultWindow(std::move(result), settings.ChosenStatements(), port_, start_, this);
    window->show();
}

// Every section goes into the file; one that cannot be written is named,
// since silence after the save dialog would read as success.
void FormulaDialog::SaveResults()
{
    if (!sheet_.IsOpen())
        return;
    const QString path = port_.ChooseFileToSave(caption::kSaveResults,
                                                SuggestedDataFile(FromGbk(sheet_.Name()) + u".txt"_s),
                                                TextFileFilter());
    if (path.isEmpty())
        return;
    ReportSave(port_, SaveFormulaText(QFile::encodeName(path).toStdString(), sheet_.Print()));
}

}  // namespace orvik
