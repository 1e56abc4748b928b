#include "fake_user_port.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

namespace orvik {

// A modal dialog takes the activation from the window that opened it and
// gives it back when it closes; the window's focus has to survive that.
void FakeUserPort::StandInForDialog()
{
    QWidget* owner = QApplication::activeWindow();
    QWidget stand_in;
    stand_in.show();
    stand_in.activateWindow();
    if (!QTest::qWaitForWindowActive(&stand_in))
        qWarning("the dialog's stand-in did not become active");
    stand_in.hide();
    if (owner) {
        owner->activateWindow();
        if (!QTest::qWaitForWindowActive(owner))
            qWarning("the window did not become active again");
    }
}

void FakeUserPort::ShowMessage(const QString& text)
{
    StandInForDialog();
    messages << text;
}

bool FakeUserPort::AskYesNo(const QString& question)
{
    StandInForDialog();
    questions << question;
    return !answers.isEmpty() && answers.takeFirst();
}

bool FakeUserPort::PromptValue(const QString& prompt, QString& entry)
{
    StandInForDialog();
    prompts << Prompt{prompt, entry};
    const std::optional<QString> answer = prompt_answers.isEmpty() ? std::nullopt
                                                                   : prompt_answers.takeFirst();
    if (answer)
        entry = *answer;
    return answer.has_value();
}

QString FakeUserPort::ChooseFile(const QString& caption, const QString& directory,
                                 const QString& filter)
{
    StandInForDialog();
    dialogs << caption;
    file_choices << FileChoice{caption, directory, filter};
    return chosen_files.isEmpty() ? QString() : chosen_files.takeFirst();
}

QString FakeUserPort::ChooseFileToOpen(const QString& caption, const QString& directory,
                                       const QString& filter)
{
    return ChooseFile(caption, directory, filter);
}

QString FakeUserPort::ChooseFileToSave(const QString& caption, const QString& directory,
                                       const QString& filter)
{
    return ChooseFile(caption, directory, filter);
}

int FakeUserPort::RunDialog(QDialog& dialog)
{
    StandInForDialog();
    dialogs << dialog.windowTitle();
    if (inspect_dialog)
        inspect_dialog(dialog);
    return QDialog::Rejected;
}

}  // namespace orvik
