#pragma once

#include <memory>

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "calculator/calculator_dialog.h"
#include "calculator/name_pick_list.h"
#include "engine/engine.h"
#include "fake_user_port.h"
#include "platform/control_id.h"
#include "platform/port_engine_host.h"
#include "resources/control_ids.h"

namespace orvik {

// A shown, active calculator window on a fresh engine and a fake port;
// `process_file` stands for the program's command-line argument. A window
// that opens a dialog at once is only waited for until it shows.
class WindowFixture {
public:
    enum class Wait { UntilActive, UntilShown };
    explicit WindowFixture(const QString& process_file = {}, Wait wait = Wait::UntilActive);

    template <typename T>
    T* Control(int id) const
    {
        return FindControl<T>(window, id);
    }

    QPlainTextEdit& Input() const { return *Control<QPlainTextEdit>(id::kInputBox); }
    QString Result() const { return Control<QLineEdit>(id::kResultBox)->text(); }
    NamePickListCtrl& Variables() const { return *Control<NamePickListCtrl>(id::kVariableList); }
    int Caret() const { return Input().textCursor().position(); }
    QString LineBox() const { return Control<QLineEdit>(id::kLineNumber)->text(); }
    bool Enabled(int id) const { return Control<QWidget>(id)->isEnabled(); }
    // A history line as the input box would show it.
    QString HistoryLine(int slot) const;

    void Click(int id) const;
    // A user's mouse click: the control takes the focus as it would.
    void MouseClick(int id) const;
    // A user's click behind the input box's text: caret and focus go there.
    void ClickInputEnd() const;
    // The input box holds `text` with the caret at `caret` (-1: the end).
    void SetInput(const QString& text, int caret = -1) const;
    // Types each character, and each "\r" as Enter, at the window's focus.
    void Type(const QString& keys) const;
    void PressKey(int key) const;
    // Types `number` into the line-number box and presses 行.
    void JumpTo(const QString& number) const;
    QString Cell(int row, int column) const;

    FakeUserPort port;
    PortEngineHost host{port};
    std::unique_ptr<Engine> engine = std::make_unique<Engine>(host);
    CalculatorDialog window{*engine, port};
};

}  // namespace orvik
