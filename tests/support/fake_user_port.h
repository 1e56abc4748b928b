#pragma once

#include <functional>
#include <optional>

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTest>

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
    QStringList questions;  // Yes/No and OK/Cancel alike
    QList<Prompt> prompts;
    QStringList dialogs;  // window titles
    QList<FileChoice> file_choices;

    QList<bool> answers;                          // for AskYesNo and AskOkCancel
    QList<std::optional<QString>> prompt_answers;  // nullopt: Cancel
    QStringList chosen_files;                      // for the file dialogs; empty: Cancel
    std::function<void(QDialog&)> inspect_dialog;  // may press the dialog's OK

    void ShowMessage(const QString& text) override
    {
        StandInForDialog();
        messages << text;
    }

    bool AskYesNo(const QString& question) override
    {
        StandInForDialog();
        questions << question;
        return !answers.isEmpty() && answers.takeFirst();
    }

    bool AskOkCancel(const QString& question) override { return AskYesNo(question); }

    bool PromptValue(const QString& prompt, QString& entry) override
    {
        StandInForDialog();
        prompts << Prompt{prompt, entry};
        const std::optional<QString> answer = prompt_answers.isEmpty() ? std::nullopt
                                                                       : prompt_answers.takeFirst();
        if (answer)
            entry = *answer;
        return answer.has_value();
    }

    QString ChooseFileToOpen(const QString& caption, const QString& directory,
                             const QString& filter) override
    {
        return ChooseFile(caption, directory, filter);
    }

    QString ChooseFileToSave(const QString& caption, const QString& directory,
                             const QString& filter) override
    {
        return ChooseFile(caption, directory, filter);
    }

    int RunDialog(QDialog& dialog) override
    {
        StandInForDialog();
        dialogs << dialog.windowTitle();
        if (inspect_dialog)
            inspect_dialog(dialog);
        // Rejected unless the inspection pressed OK.
        return dialog.result();
    }

private:
    // A modal dialog takes the activation from the window that opened it and
    // gives it back when it closes; the window's focus has to survive that.
    static void StandInForDialog()
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

    QString ChooseFile(const QString& caption, const QString& directory, const QString& filter)
    {
        StandInForDialog();
        dialogs << caption;
        file_choices << FileChoice{caption, directory, filter};
        return chosen_files.isEmpty() ? QString() : chosen_files.takeFirst();
    }
};

}  // namespace orvik
