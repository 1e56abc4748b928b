#include "fake_user_port.h"

#include <QDialog>

namespace orvik {

void FakeUserPort::ShowMessage(const QString& text)
{
    messages << text;
}

bool FakeUserPort::AskYesNo(const QString& question)
{
    questions << question;
    return !answers.isEmpty() && answers.takeFirst();
}

bool FakeUserPort::PromptValue(const QString& prompt, QString& entry)
{
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
    dialogs << dialog.windowTitle();
    if (inspect_dialog)
        inspect_dialog(dialog);
    // Rejected unless the inspection pressed OK.
    return dialog.result();
}

}  // namespace orvik
