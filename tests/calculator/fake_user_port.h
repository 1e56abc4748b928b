#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QStringList>

#include "platform/user_port.h"

namespace orvik {

// A scripted port: records what the program shows and asks, and answers
// from prepared lists (No and Cancel once a list is used up). Each exchange
// briefly activates a stand-in window, as a real dialog would.
class FakeUserPort : public UserPort {
public:
    struct Prompt {
        QString prompt;
        QString entry;
    };
    struct FileChoice {
        QString caption;
        QString directory;
        QString filter;
    };

    QStringList messages;
    QStringList questions;
    QList<Prompt> prompts;
    QStringList dialogs;  // window titles
    QList<FileChoice> file_choices;

    QList<bool> answers;                          // for AskYesNo
    QList<std::optional<QString>> prompt_answers;  // nullopt: Cancel
    QStringList chosen_files;                      // for the file dialogs; empty: Cancel
    std::function<void(QDialog&)> inspect_dialog;

    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& question) override;
    bool PromptValue(const QString& prompt, QString& entry) override;
    QString ChooseFileToOpen(const QString& caption, const QString& directory,
                             const QString& filter) override;
    QString ChooseFileToSave(const QString& caption, const QString& directory,
                             const QString& filter) override;
    int RunDialog(QDialog& dialog) override;

private:
    static void StandInForDialog();
    QString ChooseFile(const QString& caption, const QString& directory, const QString& filter);
};

}  // namespace orvik
