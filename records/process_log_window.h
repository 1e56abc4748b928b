#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "records/calculation_record.h"

class QPlainTextEdit;

namespace orvik {

class ProcessStart;
class UserPort;
class VariableTable;

// Window 151 "计算过程": the day's calculation records as a text the user
// may edit, clear, rebuild, save as a text file and print. It reads the
// records and the variables it is given and changes neither. Modeless; the
// owner shows it.
class ProcessLogWindow : public QDialog {
    Q_OBJECT
public:
    ProcessLogWindow(const RecordCollection& records, const VariableTable& variables, UserPort& port,
                     ProcessStart& start, QWidget* parent = nullptr);

    // 清除: after the user agrees; the records stay, so 重装入今天 brings them back.
    void ClearText();
    // 重装入今天: the text made anew from today's records; edits are lost.
    void ReloadToday();
    // 保存: the inputs and the text, as the print file has them, in a file the user names.
    void SaveAsText();
    // 打印: the same through the print companion.
    void Print();
    // 打开以前记录: not offered yet, and says so.
    void OpenEarlier();

private:
    void AddButton(int id, const QString& caption, int x, int width, void (ProcessLogWindow::*command)());
    // The box's text as stored text; nullopt (after a message) when it holds
    // characters GBK cannot.
    std::optional<std::string> ProcessText();

    const RecordCollection& records_;
    const VariableTable& variables_;
    UserPort& port_;
    ProcessStart& start_;
    QPlainTextEdit* text_;
};

}  // namespace orvik
