// Calculation records: ＝ and ↓ add them, one for each calculation; 过程
// shows them, 打印 computes every line afresh and prints the chosen parts.
#include <ctime>

#include <QAbstractButton>

#include "calculator/calculator_dialog.h"
#include "engine/engine.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "platform/window_placement.h"
#include "records/companion_print.h"
#include "records/print_choice_dialog.h"
#include "records/process_log_window.h"
#include "resources/control_ids.h"

namespace orvik {

void CalculatorDialog::ConnectRecords()
{
    auto button = [this](int id) { return FindControl<QAbstractButton>(*this, id); };
    connect(button(id::kPrint), &QAbstractButton::clicked, this, &CalculatorDialog::PrintAllLines);
    connect(button(id::kProcess), &QAbstractButton::clicked, this, &CalculatorDialog::ShowProcessLog);
}

void CalculatorDialog::AddRecord(int line_number, const std::string& statement, double value)
{
    records_.push_back({line_number, statement, value, std::time(nullptr)});
}

void CalculatorDialog::EvaluateCommand()
{
    const std::optional<std::string> statement = ToGbkLines(InputText());
    const std::optional<double> value = EvaluateInput();
    if (statement && value) {
        AddRecord(history_.LineNumber(), *statement, *value);
        evaluation_recorded_ = true;
    }
}

// Lines run in order with their messages and prompts, as stepping through
// them would; the print shows the values of this run, not recorded ones.
void CalculatorDialog::PrintAllLines()
{
    const std::optional<PrintChoice> choice = AskPrintChoice(port_, this);
    if (!choice)
        return;
    std::string process;
    const Engine::Command command(engine_);  // one message for a full table, not one a line
    for (int slot = 0; slot < kHistoryLineCount; ++slot) {
        const std::string& line = history_.Line(slot);
        if (line.empty())
            continue;
        std::string copy = line;
        const double value = engine_.EvaluateText(copy);
        process += RecordLine({slot + 1, line, value, std::time(nullptr)});
    }
    RefreshVariableList();
    const VariableTable& table = engine_.Variables();
    PrintThroughCompanion(PrintText(*choice, InputVariables(table), process, OutputVariables(table)),
                          *process_start_, port_);
}

// The button stays pressed while the window is open; pressing it again
// brings the window to the front.
void CalculatorDialog::ShowProcessLog()
{
    QAbstractButton* button = FindControl<QAbstractButton>(*this, id::kProcess);
    button->setChecked(true);
    if (!process_log_) {
        process_log_ = new ProcessLogWindow(records_, engine_.Variables(), port_, *process_start_, this);
        process_log_->setAttribute(Qt::WA_DeleteOnClose);
        connect(process_log_, &QDialog::finished, button, [button] { button->setChecked(false); });
        // Not over the input box and the keypad that fill it.
        PlaceBeside(*process_log_, *this);
        process_log_->show();
    }
    process_log_->raise();
    process_log_->activateWindow();
}

}  // namespace orvik
