// Process files: 保存 and 读入, and the file named on the command line.
#include <filesystem>
#include <utility>

#include <QDir>
#include <QFile>

#include "calculator/calculator_dialog.h"
#include "library/core/library_paths.h"
#include "platform/gbk_qt.h"
#include "platform/program_directory.h"
#include "platform/user_port.h"
#include "records/process_file.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

const QString kFileTypes = u"计算文件 (*.vek);;所有文件 (*.*)"_s;

// Process files live in the formula library directory by default.
QString ProcessFileDirectory()
{
    return QFile::decodeName(LibraryDirectory().c_str());
}

std::filesystem::path FilePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

// The dialog opens in the library directory with the remembered file as its
// name; a remembered absolute path brings its own directory.
void CalculatorDialog::SaveProcessFileCommand()
{
    const QString library = ProcessFileDirectory();
    QDir().mkpath(library);
    const QString initial = process_file_.isEmpty() ? library : QDir(library).filePath(process_file_);
    const QString path = port_.ChooseFileToSave(u"计算文件存盘"_s, initial, kFileTypes);
    if (path.isEmpty())
        return;
    process_file_ = path;
    // The box shows the current line unless a text was shown over it since.
    const bool box_shows_line = ToGbkLines(InputText()) == history_.CurrentText();
    const ProcessFileSave saved = SaveProcessFile(FilePath(path), history_.LinesInUse());
    if (!saved.ok) {
        ShowGbkMessage(saved.message);
        return;
    }
    for (int slot = 0; slot < static_cast<int>(saved.stored_lines.size()); ++slot)
        history_.SetLine(slot, saved.stored_lines[slot]);
    // Saving joined the line's rows with ";"; the box shows what the file holds.
    if (box_shows_line)
        ShowInputText(FromGbkLines(history_.CurrentText()));
}

void CalculatorDialog::ReadProcessFileCommand()
{
    const QString path = port_.ChooseFileToOpen(u"选择计算文件读入"_s, ProcessFileDirectory(), kFileTypes);
    if (path.isEmpty())
        return;
    process_file_ = path;
    RunProcessFileReader(path);
}

// Appends without evaluating; the current line, its number and the arrows
// stay as they are. A file that cannot be opened is passed over silently.
void CalculatorDialog::RunProcessFileReader(const QString& path)
{
    const ProcessFileRead read =
        ReadProcessFile(FilePath(path), kHistoryLineCount - history_.FirstEmptySlot());
    if (!read.message.empty())
        ShowGbkMessage(read.message);
    if (!read.ok)
        return;
    history_.AppendLines(read.lines);
    const QString result = ResultText();
    ReplaceInputText(FromGbkLines(history_.CurrentText()));
    ShowResultText(result);
}

// Window initialisation: a process file named on the command line is read
// once, before the window first shows. Shorter names are no file names.
void CalculatorDialog::showEvent(QShowEvent* event)
{
    if (!initialised_) {
        initialised_ = true;
        if (process_file_.endsWith(QLatin1StringView(kFormulaExtension), Qt::CaseInsensitive)) {
            // Once the window is up, so the dialog has its parent on screen.
            const QString formula = std::exchange(process_file_, {});
            QMetaObject::invokeMethod(this, [this, formula] { OpenFormulaDialog(formula); },
                                      Qt::QueuedConnection);
        } else if (QFile::encodeName(process_file_).size() > 3) {
            RunProcessFileReader(process_file_);
        }
    }
    QDialog::showEvent(event);
}

}  // namespace orvik
