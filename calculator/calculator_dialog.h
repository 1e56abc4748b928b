#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QDialog>
#include <QPointer>

#include "calculator/calculator_controls.h"
#include "calculator/core/calculation_history.h"
#include "calculator/key_routing.h"
#include "engine/number_format.h"
#include "platform/detached_process_start.h"
#include "records/calculation_record.h"

class QKeyEvent;
class QShowEvent;
class QTextCursor;

namespace orvik {

class Engine;
class ProcessLogWindow;
class UserPort;

// The calculator window (dialog 102): input and result boxes, keypad and
// lists, radix and byte-length choice, immediate mode, the variable list and
// the program's shell commands. Modal exchanges go through the UserPort.
class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    CalculatorDialog(Engine& engine, UserPort& port, QWidget* parent = nullptr);

    const CalculatorControls& Controls() const { return controls_; }

    // The process file of the last confirmed file dialog; before the window
    // first shows, the one named on the command line, which is then read.
    // A formula file (*.tfl) named there opens in the formula dialog instead.
    void RememberProcessFile(const QString& path) { process_file_ = path; }
    const QString& ProcessFile() const { return process_file_; }

    const CalculationHistory& History() const { return history_; }

    // Input box. Showing a text is not an edit: it emits no textChanged, so
    // whatever follows edits (the history line) keeps its text. Replacing
    // the whole text and inserting at the caret are edits.
    QString InputText() const;
    void ShowInputText(const QString& text);
    void ReplaceInputText(const QString& text);
    void InsertAtCaret(const QString& text);
    void FocusInput();

    QString ResultText() const;
    void ShowResultText(const QString& text);

    double LastResult() const { return last_result_; }
    void SetLastResult(double value) { last_result_ = value; }
    bool ImmediateMode() const;
    Radix CurrentRadix() const;
    int ByteLength() const { return byte_length_; }

    // Evaluates a copy of `text`; nullopt (after a message) when the text
    // holds characters that cannot be stored.
    std::optional<double> Evaluate(const QString& text);

    // Shows the input box's value in the result box and rebuilds the
    // variable list; the value, or nullopt when nothing was evaluated.
    std::optional<double> EvaluateInput();
    // The evaluate command (＝, Space, Enter): EvaluateInput, recorded.
    void EvaluateCommand();
    void RefreshVariableList();

    void InsertKeypadText(int index);

    // History: ↓, ↑, 行, 清除计算式, 计算例子.
    void StepDown();
    void StepUp();
    void JumpToLine();
    void ClearStatements();
    void InsertExamples();

    // 度°: decimal degrees to a degrees-minutes-seconds text and back.
    void ToggleDegreeDisplay();

    // 保存 and 读入; the reader appends a process file's lines to the history.
    void SaveProcessFileCommand();
    void ReadProcessFileCommand();
    void RunProcessFileReader(const QString& path);

    // Calculation records: one for each line that ＝ or ↓ evaluates, one
    // for ＝ followed by ↓ on the same text.
    const RecordCollection& Records() const { return records_; }
    // 打印: recomputes every line and prints what the print choice asks for.
    void PrintAllLines();
    // 过程: the process log window, one at a time.
    void ShowProcessLog();
    // 公式计算: runs the formula dialog, showing `formula_file` when given.
    void OpenFormulaDialog(const QString& formula_file = {});
    // Programs (the print companion) start through `start` from now on.
    void UseProcessStart(ProcessStart& start) { process_start_ = &start; }

signals:
    // Up and Down keys routed to the history: previous line, next line.
    void StepUpRequested();
    void StepDownRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void accept() override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    // Inserts without the box's length check: showing a stored line.
    void PutAtCaret(QTextCursor cursor, const QString& text);

    void ConnectCommands();
    void ConnectKeypad();
    void ConnectHistory();
    void ConnectShell();
    void FitToVisibleArea(QWidget& content);

    // Result display.
    void ChooseRadix(int id);
    void ChooseByteLength(int id);
    void SwitchImmediateMode();
    void ImmediateKeypad(int index);
    void ImmediateOperator(int index);
    void ImmediateFunction(int index);
    bool ImmediateTextFits(const QString& text);
    void ImmediateBackspace();

    // History.
    void MirrorInput();
    std::optional<std::string> ReadInputLine();
    double EvaluateLeftLine(const HistoryStep& step);
    void ShowLineNumber();
    void ShowArrowStates();
    void ShowGbkMessage(std::string_view gbk);

    // Calculation records.
    void ConnectRecords();
    void AddRecord(int line_number, const std::string& statement, double value);

    // Angle unit.
    void ChooseAngleUnit(int id);

    // Input assistance.
    void InsertFromList(ChoiceList& list, bool& cancelled, bool caret_inside);
    void InsertMark(const QString& mark);
    void Backspace();
    void ClearInput();
    void SwitchMultiLine();
    bool RouteKeyEvent(QKeyEvent& event);
    KeyContext CurrentKeyContext() const;
    void RunKeyRoute(const KeyRoute& route, const QKeyEvent& event);
    void TypeIntoInput(const QKeyEvent& event);

    // Variable list.
    void InsertRememberedName();
    void EditVariableValue();
    void ClearVariables();

    // Shell.
    void ShowAbout();
    void ShowHelp();
    void ShowFunctionSummary();
    void ShowNotAvailable();
    void ShowNotSupported();
    void StartCalculator();

    Engine& engine_;
    UserPort& port_;
    CalculatorControls controls_;
    QString process_file_;
    CalculationHistory history_;
    bool initialised_ = false;  // the start-up process file has had its chance
    bool dms_display_ = false;  // 度° shows a degrees-minutes-seconds text
    double last_result_ = 0.0;
    int byte_length_ = 4;
    bool keypad_routing_ = true;
    bool typing_into_input_ = false;  // a key is on its way to the input box
    bool operator_seen_ = false;  // immediate mode: an operator was pressed before
    bool function_choice_cancelled_ = false;
    bool symbol_choice_cancelled_ = false;
    RecordCollection records_;
    // ＝ recorded the text the box shows; ↓ on it adds no second record.
    bool evaluation_recorded_ = false;
    DetachedProcessStart detached_start_;
    ProcessStart* process_start_ = &detached_start_;
    QPointer<ProcessLogWindow> process_log_;
};

}  // namespace orvik
