#pragma once

#include <QString>

class QDialog;

namespace orvik {

// Every modal exchange with the user goes through this port: messages,
// questions, the value prompt, file choices and other modal dialogs. The
// program uses WidgetUserPort; tests plug in a scripted fake, so no test
// ever waits on a dialog.
class UserPort {
public:
    virtual ~UserPort() = default;

    // A message with an OK button.
    virtual void ShowMessage(const QString& text) = 0;

    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& question) = 0;

    // A question with OK and Cancel; true for OK.
    virtual bool AskOkCancel(const QString& question) = 0;

    // InputValueDialog: `prompt` read-only, `entry` the initial entry text
    // and, after OK (true), the user's text. Cancel leaves `entry` alone.
    virtual bool PromptValue(const QString& prompt, QString& entry) = 0;

    // File dialogs; an empty result means cancelled.
    virtual QString ChooseFileToOpen(const QString& caption, const QString& directory,
                                     const QString& filter) = 0;
    virtual QString ChooseFileToSave(const QString& caption, const QString& directory,
                                     const QString& filter) = 0;

    // Runs a prepared dialog modally and returns its result code
    // (QDialog::Accepted or QDialog::Rejected).
    virtual int RunDialog(QDialog& dialog) = 0;
};

}  // namespace orvik
