#include "records/process_log_window.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/control_id.h"
#include "platform/dialog_units.h"
#include "platform/gbk_qt.h"
#include "platform/port_engine_host.h"
#include "platform/program_directory.h"
#include "platform/shared_texts.h"
#include "platform/user_port.h"
#include "records/companion_print.h"
#include "records/print_text.h"
#include "records/save_report.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::process_log;

ProcessLogWindow::ProcessLogWindow(const RecordCollection& records, const VariableTable& variables,
                                   UserPort& port, ProcessStart& start, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      records_(records),
      variables_(variables),
      port_(port),
      start_(start),
      text_(new QPlainTextEdit(this))
{
    SetControlId(*this, ids::kDialog);
    setWindowTitle(u"计算过程"_s);
    const DialogUnits units(font());
    setFixedSize(units.Size(376, 152));
    SetControlId(*text_, ids::kText);
    text_->setGeometry(units.Rect(0, 2, 375, 125));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    AddButton(ids::kPrint, u"打印"_s, 11, 38, &ProcessLogWindow::Print);
    AddButton(ids::kSave, u"保存"_s, 59, 38, &ProcessLogWindow::SaveAsText);
    AddButton(ids::kClear, u"清除"_s, 143, 38, &ProcessLogWindow::ClearText);
    AddButton(ids::kReloadToday, u"重装入今天"_s, 189, 42, &ProcessLogWindow::ReloadToday);
    AddButton(ids::kOpenEarlier, u"打开以前记录"_s, 243, 58, &ProcessLogWindow::OpenEarlier);
    ReloadToday();
}

void ProcessLogWindow::AddButton(int id, const QString& caption, int x, int width,
                                 void (ProcessLogWindow::*command)())
{
    auto* button = new QPushButton(caption, this);
    SetControlId(*button, id);
    // Enter belongs to the text box: it starts a new line there.
    button->setAutoDefault(false);
    button->setGeometry(DialogUnits(font()).Rect(x, 131, width, 18));
    connect(button, &QPushButton::clicked, this, command);
}

std::optional<std::string> ProcessLogWindow::ProcessText()
{
    return GbkLinesOrSay(port_, text_->toPlainText());
}

void ProcessLogWindow::ClearText()
{
    if (port_.AskYesNo(u"一定要删除记录吗?"_s))
        text_->clear();
}

void ProcessLogWindow::ReloadToday()
{
    text_->setPlainText(FromGbkLines(RecordsOfDay(records_, std::time(nullptr))));
}

// A file that cannot be written is named: after asking to save, silence
// would read as success.
void ProcessLogWindow::SaveAsText()
{
    const std::optional<std::string> text = ProcessText();
    if (!text)
        return;
    const QString path = port_.ChooseFileToSave(u"计算过程存为文本文件"_s, QFile::decodeName(DataDirectory().c_str()),
                                                TextFileFilter());
    if (path.isEmpty())
        return;
    ReportSave(port_, WritePrintFile(QFile::encodeName(path).toStdString(), variables_, *text));
}

void ProcessLogWindow::Print()
{
    if (const std::optional<std::string> text = ProcessText())
        PrintThroughCompanion(PrintFileText(InputVariables(variables_), *text), start_, port_);
}

void ProcessLogWindow::OpenEarlier()
{
    port_.ShowMessage(NotAvailableMessage());
}

}  // namespace orvik
